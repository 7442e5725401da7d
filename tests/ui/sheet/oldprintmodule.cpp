// A printing module from before printing was a Qt plugin: a plain library with
// an entry point, which the program must refuse rather than call.

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int quorrelPrint(const void *)
{
    return 0;
}
