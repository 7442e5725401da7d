#include "casefilecommands.h"

#include "casefile.h"
#include "casesheet.h"
#include "messages.h"
#include "nodialoghistory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace quorrel::ui
{
namespace
{

class CaseFileCommandWords
{
    Q_DECLARE_TR_FUNCTIONS(CaseFileCommandWords)
};

QString caseFilter()
{
    //: A file dialog's filter; %1 is the pattern of the files it shows.
    return CaseFileCommandWords::tr("Quorrel cases (%1)")
        .arg(QStringLiteral("*.") + kCaseFileSuffix);
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
    QFileDialog dialog(parent, CaseFileCommandWords::tr("Open Case"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    //: A file dialog's filter; %1 is the pattern of the files it shows.
    dialog.setNameFilters(
        {caseFilter(), CaseFileCommandWords::tr("All files (%1)").arg(QLatin1Char('*'))});
    dialog.setDirectory(documentsFolder());
    return chosen(dialog);
}

QString askCaseFileToSave(QWidget *parent, const QString &current)
{
    const NoDialogHistory noHistory;
    // Qt's own dialog, as for the case sheet: it adds the suffix before it
    // asks whether to replace a file, so the question is about the file
    // that will be written.
    QFileDialog dialog(parent, CaseFileCommandWords::tr("Save Case As"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(caseFilter());
    dialog.setDefaultSuffix(kCaseFileSuffix);
    const QString suggested = current.isEmpty()
                                  ? QDir(documentsFolder())
                                        .filePath(QStringLiteral("case-%1.%2")
                                                      .arg(QDateTime::currentDateTime().toString(
                                                               QStringLiteral("yyyy-MM-dd-HHmm")),
                                                           kCaseFileSuffix))
                                  : current;
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(suggested);
    QString path = chosen(dialog);
    if (path.isEmpty())
        return path;
    QString name = QFileInfo(path).fileName();
    if (name.endsWith('.' + kCaseFileSuffix))
        name.chop(kCaseFileSuffix.size() + 1);
    if (name.trimmed().isEmpty()) {
        showMessage(parent, CaseFileCommandWords::tr("Case Not Saved"),
                    CaseFileCommandWords::tr("A case file needs a name: the name given is blank."),
                    QMessageBox::Critical);
        return QString();
    }
    // The dialog adds the suffix only to a name without one: "smith.jr" is
    // a case too, and opens as one only with it.
    if (QFileInfo(path).suffix() != kCaseFileSuffix) {
        path += '.' + kCaseFileSuffix;
        if (QFileInfo::exists(path) &&
            !askToReplace(parent, CaseFileCommandWords::tr("Save Case As"),
                          //: %1 is the file's name.
                          CaseFileCommandWords::tr("%1 already exists. Replace it?")
                              .arg(QFileInfo(path).fileName())))
            return QString();
    }
    return path;
}

} // namespace quorrel::ui
