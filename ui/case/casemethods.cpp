#include "casemethods.h"

namespace quorrel::ui
{
namespace
{

// Filled by the program's set-up, from the one list of its methods.
QList<CaseMethod> &methods()
{
    static QList<CaseMethod> list;
    return list;
}

} // namespace

const QList<CaseMethod> &caseMethods()
{
    return methods();
}

const CaseMethod *caseMethod(const QString &key)
{
    for (const CaseMethod &method : methods())
        if (method.key == key)
            return &method;
    return nullptr;
}

CaseRecord followCalculate(CaseRecord calculated, const std::optional<CaseRecord> &before,
                           const CaseEntries &entries)
{
    if (!before)
        return calculated;
    // What was made from the case before is made again from this one.
    carryRemade(calculated, before);
    for (const CaseMethod &method : methods())
        if (method.follow)
            if (std::optional<CaseRecord> joined = method.follow(calculated, *before, entries))
                calculated = std::move(*joined);
    return calculated;
}

void addCaseMethod(const CaseMethod &method)
{
    if (!caseMethod(method.key))
        methods().append(method);
}

} // namespace quorrel::ui
