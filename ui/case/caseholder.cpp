#include "caseholder.h"

namespace quorrel::ui
{

void CaseHolder::publish(const CaseRecord &record)
{
    // A record made from the others follows what they say now.
    m_record = remadeFromOthers(record);
    emit changed();
}

void CaseHolder::setEntries(const CaseEntries &entries)
{
    if (entries == m_entries)
        return;
    m_entries = entries;
    emit entriesChanged();
}

void CaseHolder::clear()
{
    m_record.reset();
    emit changed();
}

namespace
{

// Keeps a window's entries. A list or a tick box tells of a change before it
// says the user made it, so a change kept quietly still counts as the user's
// when the user's word follows.
template <typename Entries>
bool keep(std::optional<Entries> &kept, bool &quietChange, const Entries &entries, bool edited)
{
    const bool changed = kept != entries;
    kept = entries;
    if (!edited) {
        quietChange = quietChange || changed;
        return false;
    }
    const bool byUser = changed || quietChange;
    quietChange = false;
    return byUser;
}

} // namespace

void CaseHolder::setHenssgeEntries(const HenssgeChoice &entries, bool edited)
{
    if (keep(m_henssgeEntries, m_henssgeQuietChange, entries, edited))
        emit windowEntriesEdited();
}

void CaseHolder::setSignsEntries(const SignsEntries &entries, bool edited)
{
    if (keep(m_signsEntries, m_signsQuietChange, entries, edited))
        emit windowEntriesEdited();
}

void CaseHolder::replaceHenssgeEntries(const std::optional<HenssgeChoice> &entries)
{
    m_henssgeEntries = entries;
    m_henssgeQuietChange = false;
}

void CaseHolder::replaceSignsEntries(const std::optional<SignsEntries> &entries)
{
    m_signsEntries = entries;
    m_signsQuietChange = false;
}

void CaseHolder::announceReplaced()
{
    emit replaced();
}

CaseHolder &currentCase()
{
    static CaseHolder holder;
    return holder;
}

} // namespace quorrel::ui
