#include "methodwindows.h"

namespace quorrel::ui
{
namespace
{

QList<MethodWindow> &windows()
{
    static QList<MethodWindow> list;
    return list;
}

} // namespace

const QList<MethodWindow> &methodWindows()
{
    return windows();
}

void addMethodWindow(const MethodWindow &window)
{
    for (const MethodWindow &listed : windows())
        if (listed.key == window.key)
            return;
    windows().append(window);
}

} // namespace quorrel::ui
