#include "casedocument.h"

#include "casefile.h"
#include "casefilecommands.h"
#include "caseholder.h"
#include "casemethods.h"
#include "messages.h"
#include "version.h"
#include "wording.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>

namespace quorrel::ui
{
namespace
{

// What the file holds now, where it can be read; empty where it is not.
QByteArray bytesOnDisk(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(kCaseFileMaxBytes + 1);
}

const QString kThisVersion = QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION);

} // namespace

CaseDocument::CaseDocument(Window window, QObject *parent)
    : QObject(parent), m_window(std::move(window)), m_notMadeAgain(std::make_unique<CaseFile>())
{
    for (const auto signal :
         {&CaseHolder::changed, &CaseHolder::entriesChanged, &CaseHolder::windowEntriesEdited})
        connect(&currentCase(), signal, this, &CaseDocument::caseEdited);
}

CaseDocument::~CaseDocument() = default;

void CaseDocument::takeMenu(QAction *newCase, QAction *open, QAction *save, QAction *saveAs)
{
    connect(newCase, &QAction::triggered, this, &CaseDocument::newCase);
    connect(open, &QAction::triggered, this, [this] {
        if (!changesMayGo())
            return;
        if (const QString path = askCaseFileToOpen(m_window.widget); !path.isEmpty())
            this->open(path);
    });
    connect(save, &QAction::triggered, this, &CaseDocument::save);
    connect(saveAs, &QAction::triggered, this, &CaseDocument::saveAs);
}

void CaseDocument::caseEdited()
{
    if (m_restoring)
        return;
    // A case with a file is changed where it differs from the file: a
    // value typed back, or an estimate made again alike, is no change.
    // One never saved asks only where it holds more than the window's own
    // quick estimate.
    const std::optional<CaseRecord> &record = currentCase().record();
    for (const MethodRecord &method : record ? record->methods : QList<MethodRecord>())
        m_notMadeAgain->methods.remove(method.key);
    m_unsaved = m_path.isEmpty()
                    ? record && std::any_of(record->methods.begin(), record->methods.end(),
                                            [this](const MethodRecord &method) {
                                                return method.key != m_window.ownMethod;
                                            })
                    : caseOnScreen(QString(), QDateTime()) != m_savedCase;
    // Only a case with a file shows the mark in its title.
    if (!m_path.isEmpty())
        m_window.widget->setWindowModified(m_unsaved);
}

void CaseDocument::showFile(const QString &path)
{
    m_path = path;
    m_savedCase = caseOnScreen(QString(), QDateTime());
    m_unsaved = false;
    m_window.widget->setWindowModified(false);
    m_window.widget->setWindowTitle(
        path.isEmpty() ? m_window.caption
                       //: A window's caption with its case file: %1 is the file's name, [*]
                       //: where the mark of unsaved changes goes, %2 the window's caption.
                       : tr("%1[*] - %2").arg(QFileInfo(path).fileName(), m_window.caption));
}

bool CaseDocument::changesMayGo()
{
    if (!m_unsaved)
        return true;
    switch (askAboutUnsavedChanges(m_window.widget,
                                   m_path.isEmpty() ? QString() : QFileInfo(m_path).fileName())) {
    case UnsavedChanges::Save:
        return save();
    case UnsavedChanges::Discard:
        return true;
    case UnsavedChanges::Cancel:
        break;
    }
    return false;
}

QByteArray CaseDocument::caseOnScreen(const QString &writtenBy, const QDateTime &savedAt) const
{
    CaseFile file = caseFileOf(currentCase(), writtenBy, savedAt);
    file.later = m_laterMembers;
    for (auto kept = m_notMadeAgain->methods.begin(); kept != m_notMadeAgain->methods.end();
         ++kept) {
        MethodPart &part = file.methods[kept.key()];
        if (part.estimatedWith.isEmpty()) {
            part.estimatedWith = kept->estimatedWith;
            part.result = kept->result;
        }
    }
    return writeCaseFile(file);
}

void CaseDocument::caseCleared()
{
    m_notMadeAgain->methods.clear();
}

void CaseDocument::forgetWindowEntries()
{
    for (const CaseMethod &method : caseMethods())
        if (method.showEntries)
            method.showEntries(QJsonObject(), NumberLocale(), currentCase());
}

bool CaseDocument::saveTo(const QString &path)
{
    // Another Quorrel may have saved the same file since it was read here.
    if (path == m_path && QFileInfo::exists(path) && bytesOnDisk(path) != m_bytesOnDisk &&
        !askToReplace(m_window.widget, tr("Save Case"),
                      //: %1 is the case file's name.
                      tr("%1 was changed on disk since it was opened or saved here. Replace it "
                         "with the case on screen?")
                          .arg(QFileInfo(path).fileName())))
        return false;
    const QByteArray bytes = caseOnScreen(kThisVersion, QDateTime::currentDateTime());
    const QString reason = saveCaseFile(path, bytes);
    if (!reason.isEmpty()) {
        showMessage(m_window.widget, tr("Case Not Saved"),
                    //: %1 is the file's path, %2 why it could not be saved.
                    tr("The case could not be saved as %1: %2.")
                        .arg(QDir::toNativeSeparators(path), reason),
                    QMessageBox::Critical);
        return false;
    }
    m_bytesOnDisk = bytes;
    showFile(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CaseDocument::newCase()
{
    if (!changesMayGo())
        return false;
    m_window.clear();
    m_notMadeAgain->methods.clear();
    m_laterMembers = QJsonObject();
    forgetWindowEntries();
    showFile(QString());
    currentCase().announceReplaced();
    m_window.startTyping();
    return true;
}

bool CaseDocument::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool CaseDocument::saveAs()
{
    const QString path = askCaseFileToSave(m_window.widget, m_path);
    return !path.isEmpty() && saveTo(path);
}

bool CaseDocument::open(const QString &path)
{
    const CaseFileRead read = loadCaseFile(path);
    if (!read.file) {
        showMessage(m_window.widget, tr("Case Not Opened"),
                    //: %1 is the file's path, or "The case file" where none was given; %2
                    //: what is wrong with it, which follows the name ("is a folder, not a case
                    //: file").
                    tr("%1 %2.\n\nThe case on screen is as it was.")
                        .arg(path.isEmpty() ? tr("The case file") : QDir::toNativeSeparators(path),
                             read.problem),
                    QMessageBox::Critical);
        return false;
    }
    m_restoring = true;
    const QList<std::pair<QString, QString>> notMade = replay(*read.file);
    m_restoring = false;
    m_laterMembers = read.file->later;
    m_bytesOnDisk = bytesOnDisk(path);
    showFile(QFileInfo(path).absoluteFilePath());
    currentCase().announceReplaced();
    tellWhatChanged(*read.file, QFileInfo(path).fileName(), notMade);
    return true;
}

// The file into the windows: the estimates made from the entries they were
// made from when saved, then the boxes as they held them, every window's
// too; what cannot be made again is kept and named.
QList<std::pair<QString, QString>> CaseDocument::replay(const CaseFile &file)
{
    const NumberLocale reader = userNumberLocale();
    CaseFile madeFrom = file;
    if (file.estimatedFrom)
        madeFrom.entries = *file.estimatedFrom;
    m_window.clear();
    m_notMadeAgain->methods.clear();
    m_window.showEntries(entriesFor(madeFrom, reader));
    const QList<std::pair<QString, QString>> notMade = remakeEstimates(file);
    for (const auto &[key, reason] : notMade) {
        MethodPart kept = file.methods.value(key);
        kept.window = QJsonObject();
        m_notMadeAgain->methods.insert(key, kept);
    }
    if (file.estimatedFrom)
        m_window.showEntries(entriesFor(file, reader));
    // A file without a window's boxes shows what its estimate was made
    // from, even where it cannot be made again.
    for (const CaseMethod &method : caseMethods())
        if (method.showEntries) {
            const MethodPart part = file.methods.value(method.key);
            method.showEntries(part.window.isEmpty() ? part.estimatedWith : part.window,
                               file.locale, currentCase());
        }
    return notMade;
}

// Each estimate the file holds, made again from the entries on screen; the
// reasons of those that cannot be, as the windows word them.
QList<std::pair<QString, QString>> CaseDocument::remakeEstimates(const CaseFile &file)
{
    QList<std::pair<QString, QString>> notMade;
    m_window.remakeOwn(file);
    for (const CaseMethod &method : caseMethods()) {
        const QJsonObject &with = file.methods.value(method.key).estimatedWith;
        if (!method.remake || with.isEmpty())
            continue;
        if (const QString reason = method.remake(with, file.locale, currentCase());
            !reason.isEmpty())
            notMade.append({method.key, reason});
    }
    return notMade;
}

// What opening could not make again, and what it made otherwise than saved;
// a version is blamed only where another one saved the file.
void CaseDocument::tellWhatChanged(const CaseFile &file, const QString &name,
                                   const QList<std::pair<QString, QString>> &notMade)
{
    QStringList explained;
    QStringList reasons;
    for (const auto &[key, reason] : notMade) {
        explained << key;
        reasons << reason;
    }
    if (!reasons.isEmpty())
        showMessage(m_window.widget, tr("Estimates Not Made Again"),
                    //: %1 is the case file's name, %2 the reasons, a paragraph each.
                    tr("%1 holds entries these estimates cannot be made from; the entries are "
                       "shown as the file holds them.\n\n%2")
                        .arg(name, reasons.join(QStringLiteral("\n\n"))),
                    QMessageBox::Warning);
    const QStringList changed = changedResults(file, currentCase().record(), explained);
    if (changed.isEmpty())
        return;
    // The case on screen is no longer the file's, whatever is typed next,
    // until it is saved.
    m_savedCase.clear();
    m_unsaved = true;
    m_window.widget->setWindowModified(true);
    const QString why =
        file.writtenBy == kThisVersion
            ? tr("The file may have been changed outside Quorrel.")
            //: %1 is the program that saved the file ("Quorrel 1.0.0", or "another program").
            : tr("It was saved by %1; this version of Quorrel shows the new ones.")
                  .arg(file.writtenBy.isEmpty() ? tr("another program") : file.writtenBy);
    showMessage(m_window.widget, tr("Estimates Changed"),
                //: %1 is the case file's name, %2 a sentence on why, %3 what changed, a
                //: paragraph each method.
                tr("The estimates made again from the entries in %1 differ from those saved "
                   "with it. %2\n\n%3")
                    .arg(name, why, changed.join(QStringLiteral("\n\n"))),
                QMessageBox::Information);
}

} // namespace quorrel::ui
