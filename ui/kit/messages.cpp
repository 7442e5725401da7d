#include "messages.h"

#include <QCoreApplication>
#include <QPushButton>

namespace quorrel::ui
{
namespace
{

class KitMessageWords
{
    Q_DECLARE_TR_FUNCTIONS(KitMessageWords)
};

} // namespace

void showMessage(QWidget *parent, const QString &title, const QString &text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

UnsavedChanges askAboutUnsavedChanges(QWidget *parent, const QString &fileName)
{
    QMessageBox box(
        QMessageBox::Warning, KitMessageWords::tr("Unsaved Changes"),
        fileName.isEmpty()
            ? KitMessageWords::tr("This case holds estimates that are not saved. Save it?")
            //: %1 is the case file's name.
            : KitMessageWords::tr("The case in %1 has changes that are not saved. Save them?")
                  .arg(fileName),
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

bool askToReplace(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *replace = box.addButton(KitMessageWords::tr("&Replace"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == replace;
}

} // namespace quorrel::ui
