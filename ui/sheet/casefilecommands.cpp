#include "casefilecommands.h"

#include "casefile.h"
#include "nodialoghistory.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorrel::ui
{
namespace
{

const QString kFilter = QStringLiteral("Quorrel cases (*.quorrel)");

QString documents()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

QString chosen(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

QString askCaseFileToOpen(QWidget *parent)
{
    const NoDialogHistory noHistory;
    QFileDialog dialog(parent, QStringLiteral("Open Case"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({kFilter, QStringLiteral("All files (*)")});
    dialog.setDirectory(documents());
    return chosen(dialog);
}

QString askCaseFileToSave(QWidget *parent, const QString &current)
{
    const NoDialogHistory noHistory;
    // Qt's own dialog, as for the case sheet: it adds the suffix before it
    // asks whether to replace a file, so the question is about the file
    // that will be written.
    QFileDialog dialog(parent, QStringLiteral("Save Case As"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(kCaseFileSuffix);
    const QString suggested = current.isEmpty()
                                  ? QDir(documents())
                                        .filePath(QStringLiteral("case-%1.%2")
                                                      .arg(QDateTime::currentDateTime().toString(
                                                               QStringLiteral("yyyy-MM-dd-HHmm")),
                                                           kCaseFileSuffix))
                                  : current;
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(suggested);
    return chosen(dialog);
}

} // namespace quorrel::ui
