#include "casemethods.h"

#include "caseholder.h"
#include "wording.h"

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

void convertMember(QJsonObject &object, const QString &member, const QString &name, bool celsius,
                   bool degrees, QList<RoundedEntry> &rounded)
{
    const QString before = object.value(member).toString();
    if (before.isEmpty())
        return;
    CelsiusTyped after{degrees ? fahrenheitDegreesTyped(before) : fahrenheitTyped(before)};
    if (celsius)
        after = degrees ? celsiusDegreesTyped(before) : celsiusTyped(before);
    if (after.rounded)
        rounded.append({name, before, after.text});
    object.insert(member, after.text);
}

QList<RoundedEntry> convertKeptTemperatures(CaseHolder &holder, bool celsius)
{
    QList<RoundedEntry> rounded;
    std::optional<CaseRecord> record = holder.record();
    bool madeWithChanged = false;
    for (const CaseMethod &method : methods()) {
        if (!method.convert)
            continue;
        const QJsonObject kept = holder.windowEntries(method.key);
        if (!kept.isEmpty())
            holder.setWindowEntries(method.key, method.convert(kept, celsius, rounded), false);
        if (!record)
            continue;
        // A value kept by the window and the choice alike is named once.
        QList<RoundedEntry> named;
        for (MethodRecord &made : record->methods)
            if (made.key == method.key && !made.madeWith.isEmpty()) {
                made.madeWith =
                    method.convert(made.madeWith, celsius, kept.isEmpty() ? rounded : named);
                madeWithChanged = true;
            }
    }
    if (madeWithChanged)
        holder.publish(*record);
    return rounded;
}

void remakeKeptEstimates(CaseHolder &holder, const CaseRecord &made)
{
    for (const CaseMethod &method : methods())
        if (const MethodRecord *kept = made.method(method.key);
            method.remake && kept && !kept->madeWith.isEmpty())
            method.remake(kept->madeWith, userNumberLocale(), holder);
}

void addCaseMethod(const CaseMethod &method)
{
    if (!caseMethod(method.key))
        methods().append(method);
}

} // namespace quorrel::ui
