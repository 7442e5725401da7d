#pragma once

// The program-wide accessors: at most one instance of each window, created on
// first use and again after it was unloaded.

namespace quorrel::ui
{

class frmAbout;
class frmCoolingCurve;
class frmHenssge;
class frmQuorrelEstimator;
class frmSigns;
class frmTemps;

frmQuorrelEstimator &mainForm();
frmTemps &tempsForm();
frmAbout &aboutForm();
frmCoolingCurve &curveForm();
// The curve window if it is loaded, without creating it.
frmCoolingCurve *loadedCurveForm();
frmHenssge &henssgeForm();
// The Henssge window if it is loaded, without creating it.
frmHenssge *loadedHenssgeForm();
frmSigns &signsForm();

// Has the windows' requests for one another answered by these accessors.
void answerRequestsForWindows();

} // namespace quorrel::ui
