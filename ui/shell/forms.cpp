#include "forms.h"

#include "frmabout.h"
#include "frmcoolingcurve.h"
#include "frmhenssge.h"
#include "frmquorrelestimator.h"
#include "frmsigns.h"
#include "frmtemps.h"
#include "windowrequests.h"

#include <QPointer>

namespace quorrel::ui
{
namespace
{

QPointer<frmCoolingCurve> &curveSlot()
{
    static QPointer<frmCoolingCurve> form;
    return form;
}

QPointer<frmHenssge> &henssgeSlot()
{
    static QPointer<frmHenssge> form;
    return form;
}

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

frmCoolingCurve &curveForm()
{
    return instanceOf(curveSlot());
}

frmCoolingCurve *loadedCurveForm()
{
    frmCoolingCurve *form = curveSlot();
    return form && form->isLoaded() ? form : nullptr;
}

frmHenssge &henssgeForm()
{
    return instanceOf(henssgeSlot());
}

frmSigns &signsForm()
{
    static QPointer<frmSigns> form;
    return instanceOf(form);
}

frmHenssge *loadedHenssgeForm()
{
    frmHenssge *form = henssgeSlot();
    return form && form->isLoaded() ? form : nullptr;
}

void answerRequestsForWindows()
{
    answerWindowRequests([](WindowRequest window, QWidget *from) {
        switch (window) {
        case WindowRequest::Converter:
            tempsForm().present();
            break;
        case WindowRequest::CoolingCurve:
            curveForm().present();
            break;
        case WindowRequest::About: {
            frmAbout &about = aboutForm();
            // Transient for the window that asked: centred on it and without
            // a taskbar button.
            about.setParent(from, about.windowFlags());
            about.exec();
            break;
        }
        }
    });
}

} // namespace quorrel::ui
