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

void CaseHolder::setWindowEntries(const QString &key, const QJsonObject &entries, bool edited)
{
    const bool changed = m_windowEntries.value(key) != entries;
    m_windowEntries.insert(key, entries);
    bool &quiet = m_quietChange[key];
    if (!edited) {
        quiet = quiet || changed;
        return;
    }
    const bool byUser = changed || quiet;
    quiet = false;
    if (byUser)
        emit windowEntriesEdited();
}

void CaseHolder::replaceWindowEntries(const QString &key, const QJsonObject &entries)
{
    if (entries.isEmpty())
        m_windowEntries.remove(key);
    else
        m_windowEntries.insert(key, entries);
    m_quietChange.remove(key);
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
