#include "caserecord.h"

namespace quorrel::ui
{

QList<const MethodRecord *> CaseRecord::methods() const
{
    QList<const MethodRecord *> list;
    for (const std::optional<MethodRecord> *method : {&newton, &henssge})
        if (*method)
            list.append(&**method);
    return list;
}

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
