#pragma once

#include "caserecord.h"
#include "henssgecase.h"
#include "signscase.h"

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
    // What the tool windows' boxes hold, as typed, estimated or not: the
    // case file keeps it, and a window made later shows it. None where the
    // window was not used for this case.
    const std::optional<HenssgeChoice> &henssgeEntries() const { return m_henssgeEntries; }
    const std::optional<SignsEntries> &signsEntries() const { return m_signsEntries; }
    // Kept as the window shows them; `edited` where the user changed them,
    // not the window in showing another case.
    void setHenssgeEntries(const HenssgeChoice &entries, bool edited);
    void setSignsEntries(const SignsEntries &entries, bool edited);
    // An opened case's, or a new case's none; windows show them on replaced().
    void replaceHenssgeEntries(const std::optional<HenssgeChoice> &entries);
    void replaceSignsEntries(const std::optional<SignsEntries> &entries);

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
    std::optional<HenssgeChoice> m_henssgeEntries;
    std::optional<SignsEntries> m_signsEntries;
    bool m_henssgeQuietChange = false;
    bool m_signsQuietChange = false;
};

// The program's case.
CaseHolder &currentCase();

} // namespace quorrel::ui
