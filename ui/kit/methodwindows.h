#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace quorrel::ui
{

// A method's item in the Estimate menu and the window it opens. The
// program's set-up lists them, one a method with a window of its own; the
// main window makes its menu from the list and names none of them.
struct MethodWindow {
    QString key;    // the method's key, as its records and files give it
    QString action; // the menu item's object name: "mnuHenssge"
    QString text;   // "&Henssge Nomogram…", with its access key
    QKeySequence shortcut;
    // Shows its window on behalf of the window that asks.
    std::function<void(QWidget *from)> present;
};

// In the order the menu gives them.
const QList<MethodWindow> &methodWindows();
void addMethodWindow(const MethodWindow &window);

} // namespace quorrel::ui
