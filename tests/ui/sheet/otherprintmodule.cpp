// A printing module built against another version of the printing interface,
// which the program must refuse rather than call.

#include <QObject>
#include <QtPlugin>

class OtherVersionPrinter : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorrel.CaseSheetPrinter/0.9")
};

#include "otherprintmodule.moc"
