#pragma once

#include "caserecord.h"

#include <QObject>

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
    // A case was opened from a file or a new one begun: windows show its
    // entries afresh, not what they held for the case before.
    void announceReplaced();

signals:
    // The record changed.
    void changed();
    void entriesChanged();
    void replaced();

private:
    std::optional<CaseRecord> m_record;
    CaseEntries m_entries;
};

// The program's case.
CaseHolder &currentCase();

} // namespace quorrel::ui
