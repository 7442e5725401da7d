#pragma once

namespace quorrel::ui
{

// The program-wide set-up, before the first window: the program's style, the
// windows' font everywhere, and the main window and the converter presented
// to screen readers as windows.
void setUpApplication();

} // namespace quorrel::ui
