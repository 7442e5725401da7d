#pragma once

namespace quorrel::ui
{

// The program-wide set-up, before the first window: the user's language
// (English, or German where the user's list of languages names it first),
// the program's style, the windows' font everywhere, and the main window and the converter
// presented to screen readers as windows.
void setUpApplication();

// Called first in main: a write past the user's limit on the size of a file
// (`ulimit -f`) fails with an error the program reports, instead of the
// signal that comes with it ending the program and the case with it.
void ignoreFileSizeLimitSignal();

} // namespace quorrel::ui
