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
// file before they would be lost, or a case never saved (an empty name).
// Escape and the close box cancel.
UnsavedChanges askAboutUnsavedChanges(QWidget *parent, const QString &fileName);

// Whether to write over a file: a file the dialog did not ask about, or one
// changed on disk since it was read. Replace, or Cancel (Escape, close box).
bool askToReplace(QWidget *parent, const QString &title, const QString &text);

} // namespace quorrel::ui
