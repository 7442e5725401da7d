#include "casemethods.h"

#include "henssgecase.h"
#include "newtontext.h"
#include "signscase.h"

namespace quorrel::ui
{
namespace
{

QList<CaseMethod> &methods()
{
    // Newton's law is the main window's own: it keeps nothing of its own in
    // the file but its result, and Calculate makes it again.
    static QList<CaseMethod> list{
        CaseMethod{kNewtonKey, kNewtonKey},
        henssgeCaseMethod(),
        signsCaseMethod(),
    };
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

void addCaseMethod(const CaseMethod &method)
{
    methods().append(method);
}

} // namespace quorrel::ui
