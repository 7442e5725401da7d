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

void CaseHolder::setHenssgeEntries(const HenssgeChoice &entries, bool edited)
{
    if (m_henssgeEntries == entries)
        return;
    m_henssgeEntries = entries;
    if (edited)
        emit windowEntriesEdited();
}

void CaseHolder::setSignsEntries(const SignsEntries &entries, bool edited)
{
    if (m_signsEntries == entries)
        return;
    m_signsEntries = entries;
    if (edited)
        emit windowEntriesEdited();
}

void CaseHolder::replaceWindowEntries(const std::optional<HenssgeChoice> &henssge,
                                      const std::optional<SignsEntries> &signs)
{
    m_henssgeEntries = henssge;
    m_signsEntries = signs;
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
