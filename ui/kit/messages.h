#pragma once

#include <QMessageBox>
#include <QString>

namespace quorrel::ui
{

// Every message of the program goes through here: a modal box with an OK
// button, a title, a text and an icon, returning once the user closed it.
void showMessage(QWidget *parent, const QString &title, const QString &text,
                 QMessageBox::Icon icon);

enum class UnsavedChanges { Save, Discard, Cancel };

// The one question the program asks: whether to save the changes to a case
// file before they would be lost. Escape and the close box cancel.
UnsavedChanges askAboutUnsavedChanges(QWidget *parent, const QString &fileName);

} // namespace quorrel::ui
