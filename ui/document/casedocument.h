#pragma once

#include "caserecord.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

class QAction;
class QDateTime;
class QWidget;

namespace quorrel::ui
{

struct CaseFile;

// The case as a document: the file it was opened from or saved to, whether
// it holds what that file does not, New, Open, Save and Save As with the
// question before changes are lost, and a file replayed into the windows:
// every entry shown and every estimate made again through the methods'
// list. It names no method.
class CaseDocument : public QObject
{
    Q_OBJECT
public:
    // What only the window that shows the case can do.
    struct Window {
        // The parent of its questions; its title names the file and marks
        // changes.
        QWidget *widget = nullptr;
        QString caption;
        // The key of the window's own estimate: a case never saved that
        // holds no other may close without a question.
        QString ownMethod;
        // Every entry and estimate gone, as on Clear.
        std::function<void()> clear;
        // The main window's entries into its boxes, as typed, the case's
        // estimates left as they are.
        std::function<void(const CaseEntries &)> showEntries;
        // Its own estimate made again, where the file holds one.
        std::function<void(const CaseFile &)> remakeOwn;
        // Where typing starts in a new case.
        std::function<void()> startTyping;
    };

    explicit CaseDocument(Window window, QObject *parent = nullptr);
    ~CaseDocument() override;

    // The File menu's items, each doing what it says.
    void takeMenu(QAction *newCase, QAction *open, QAction *save, QAction *saveAs);

    // Each true where it was done.
    bool newCase();
    bool open(const QString &path);
    bool save();
    bool saveAs();
    // Whether to go on where changes would be lost: nothing to lose, saved,
    // or discarded.
    bool changesMayGo();
    // A new main window's case has no window entries of the one before.
    void forgetWindowEntries();
    // The user cleared the case: what could not be made again goes too.
    void caseCleared();

    QString path() const { return m_path; }
    bool isModified() const { return m_unsaved; }

private:
    Window m_window;
    // Where it was opened from or last saved; empty for a case never saved.
    QString m_path;
    // What a later version wrote to the file that this one keeps as it was.
    QJsonObject m_laterMembers;
    // The file's estimates that could not be made again on opening, with
    // what they were made from: written back as they were until the user
    // makes that estimate anew, so that saving loses none of them.
    std::unique_ptr<CaseFile> m_notMadeAgain;
    // The case as its file holds it, but for when and by whom it was
    // saved: what differs from it is unsaved.
    QByteArray m_savedCase;
    bool m_unsaved = false;
    // The file's bytes as last read or written here.
    QByteArray m_bytesOnDisk;
    // Restoring a case is no change to it.
    bool m_restoring = false;

    QByteArray caseOnScreen(const QString &writtenBy, const QDateTime &savedAt) const;
    void caseEdited();
    void showFile(const QString &path);
    bool saveTo(const QString &path);
    QList<std::pair<QString, QString>> replay(const CaseFile &file);
    QList<std::pair<QString, QString>> remakeEstimates(const CaseFile &file);
    void tellWhatChanged(const CaseFile &file, const QString &name,
                         const QList<std::pair<QString, QString>> &notMade);
};

} // namespace quorrel::ui
