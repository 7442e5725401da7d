#include "case/caserecord.h"

namespace quorrel::ui
{

void CaseHolder::publish(const CaseRecord &record)
{
    m_record = record;
    emit changed();
}

void CaseHolder::clear()
{
    m_record.reset();
    emit changed();
}

CaseHolder &currentCase()
{
    static CaseHolder holder;
    return holder;
}

} // namespace quorrel::ui
