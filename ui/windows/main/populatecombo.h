#pragma once

namespace quorrel::ui
{

class frmQuorrelEstimator;

// Fills the given main window's four time pick lists; runs once per load.
void populateTimeCombos(frmQuorrelEstimator &form);

} // namespace quorrel::ui
