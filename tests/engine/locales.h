#pragma once

// The separators of the locales the engine tests read numbers in.

#include "numbers.h"

namespace quorrel::test
{

inline const NumberLocale kEnglish{".", ","};
inline const NumberLocale kGerman{",", "."};
// French groups with a narrow no-break space, Swiss German with an apostrophe.
inline const NumberLocale kFrench{",", "\u202f"};
inline const NumberLocale kSwiss{".", "'"};

} // namespace quorrel::test
