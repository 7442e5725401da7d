#pragma once

#include <QMessageBox>
#include <QString>

namespace quorrel::ui
{

// Every message of the program goes through here: a modal box with an OK
// button, a title, a text and an icon, returning once the user closed it.
void showMessage(QWidget *parent, const QString &title, const QString &text,
                 QMessageBox::Icon icon);

} // namespace quorrel::ui
