#include "forms.h"

#include "about/frmabout.h"
#include "converter/frmtemps.h"
#include "main/frmquorrelestimator.h"

#include <QPointer>

namespace quorrel::ui
{
namespace
{

template <typename T> T &instanceOf(QPointer<T> &slot)
{
    if (!slot || slot->isUnloaded())
        slot = new T;
    return *slot;
}

} // namespace

frmQuorrelEstimator &mainForm()
{
    static QPointer<frmQuorrelEstimator> form;
    return instanceOf(form);
}

frmTemps &tempsForm()
{
    static QPointer<frmTemps> form;
    return instanceOf(form);
}

frmAbout &aboutForm()
{
    static QPointer<frmAbout> form;
    return instanceOf(form);
}

} // namespace quorrel::ui
