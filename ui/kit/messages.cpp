#include "messages.h"

namespace quorrel::ui
{

void showMessage(QWidget *parent, const QString &title, const QString &text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

UnsavedChanges askAboutUnsavedChanges(QWidget *parent, const QString &fileName)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Unsaved Changes"),
        QStringLiteral("The case in %1 has changes that are not saved. Save them?").arg(fileName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedChanges::Save;
    case QMessageBox::Discard:
        return UnsavedChanges::Discard;
    default:
        return UnsavedChanges::Cancel;
    }
}

} // namespace quorrel::ui
