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
// Egyptian Arabic writes its own digits, from U+0660.
inline const NumberLocale kEgyptianArabic{"\u066b", "\u066c", "\u0660"};

} // namespace quorrel::test
