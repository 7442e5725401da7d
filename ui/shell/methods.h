#pragma once

namespace quorrel::ui
{

// Gives every method the program has to the layers that loop over them: its
// part of a case to the case, its menu item and window to the main window.
// Once is enough; again changes nothing.
void registerMethods();

} // namespace quorrel::ui
