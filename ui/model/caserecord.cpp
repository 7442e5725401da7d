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
