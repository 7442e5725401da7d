#pragma once

namespace quorrel::ui
{

// Fills the main window's four time pick lists; runs once per load.
void populateTimeCombos();

} // namespace quorrel::ui
