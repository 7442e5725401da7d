#include "caserecord.h"

#include <algorithm>

namespace quorrel::ui
{

const MethodRecord *CaseRecord::method(const QString &key) const
{
    for (const MethodRecord &method : methods)
        if (method.key == key)
            return &method;
    return nullptr;
}

CaseRecord remadeFromOthers(CaseRecord record)
{
    CaseRecord others = record;
    others.methods.removeIf([](const MethodRecord &method) { return bool(method.remake); });
    QList<MethodRecord> methods;
    for (const MethodRecord &method : record.methods) {
        if (!method.remake)
            methods.append(method);
        else if (std::optional<MethodRecord> again = method.remake(others))
            methods.append(*again);
    }
    record.methods = methods;
    return record;
}

void carryRemade(CaseRecord &to, const std::optional<CaseRecord> &from)
{
    if (!from)
        return;
    for (const MethodRecord &method : from->methods)
        if (method.remake && !to.method(method.key))
            to.methods.append(method);
}

QList<const MethodRecord *> intervalsAlone(const CaseRecord &record)
{
    QList<const MethodRecord *> alone;
    for (const MethodRecord &method : record.methods)
        // A doubtful estimate has no curve for a reason: its spread bounds
        // nothing.
        if (!method.result.hasCurve() && method.result.spreadHours &&
            method.result.doubt == Confidence::Doubt::None)
            alone.append(&method);
    return alone;
}

QList<const MethodRecord *> drawnMethods(const CaseRecord &record)
{
    QList<const MethodRecord *> drawn;
    for (const MethodRecord &method : record.methods)
        if (method.result.hasCurve())
            drawn.append(&method);
    return drawn;
}

std::optional<std::pair<double, double>> curveSpan(const CaseRecord &record)
{
    std::optional<std::pair<double, double>> span;
    for (const MethodRecord *method : drawnMethods(record)) {
        const MethodResult &result = method->result;
        span = span ? std::pair(std::min(span->first, result.curveFrom()),
                                std::max(span->second, result.curveTo))
                    : std::pair(result.curveFrom(), result.curveTo);
    }
    return span;
}

bool curveNamesDays(const CaseRecord &record)
{
    const auto span = curveSpan(record);
    return span && span->second - span->first > 24.0;
}

} // namespace quorrel::ui
