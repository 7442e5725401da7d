#pragma once

#include "caserecord.h"

#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QString>

#include <optional>

namespace quorrel::ui
{

// The one case every window shows: the main window's entries as they stand
// and the record its estimates made. Windows publish to it and listen to it;
// none reads another's controls.
class CaseHolder : public QObject
{
    Q_OBJECT
public:
    // None before the first estimate and after Clear.
    const std::optional<CaseRecord> &record() const { return m_record; }
    const CaseEntries &entries() const { return m_entries; }

    // Holds the record with every record made from the others made again.
    void publish(const CaseRecord &record);
    void setEntries(const CaseEntries &entries);
    void clear();
    // What a method's window's boxes hold, as typed, estimated or not, in
    // the method's own object by its key: the case file keeps it, and a
    // window made later shows it. Empty where the window was not used for
    // this case.
    QJsonObject windowEntries(const QString &key) const { return m_windowEntries.value(key); }
    // Kept as the window shows them; `edited` where the user changed them,
    // not the window in showing another case.
    void setWindowEntries(const QString &key, const QJsonObject &entries, bool edited);
    // An opened case's, or a new case's none; windows show them on replaced().
    void replaceWindowEntries(const QString &key, const QJsonObject &entries);
    // A case was opened from a file or a new one begun: windows show its
    // entries afresh, not what they held for the case before.
    void announceReplaced();

signals:
    // The record changed.
    void changed();
    void entriesChanged();
    void replaced();
    // The user changed a tool window's entries.
    void windowEntriesEdited();

private:
    std::optional<CaseRecord> m_record;
    CaseEntries m_entries;
    QMap<QString, QJsonObject> m_windowEntries;
    // A list or a tick box tells of a change before it says the user made
    // it, so a change kept quietly still counts as the user's when the
    // user's word follows.
    QMap<QString, bool> m_quietChange;
};

// The program's case.
CaseHolder &currentCase();

} // namespace quorrel::ui
