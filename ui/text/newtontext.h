#pragma once

#include "caserecord.h"
#include "estimate.h"

#include <QString>

namespace quorrel::ui
{

// Newton's law of cooling in words: its sentence, its working, and its
// estimate as the case records it.

// Which method a record is, for the case's own rules.
inline const QString kNewtonKey = QStringLiteral("newton");

// The sentence on what a clock time of death alone hides: how long before
// discovery and how far a reading off by a tenth of a degree moves it, or
// which reading makes the estimate doubtful.
QString estimateSentence(const Estimate &estimate);

// Newton's law in three sentences with this estimate's own numbers; the
// formula as written gives the result as written.
QString newtonMethodText(const MethodResult &result);

// Calculate's estimate as the case records it, with the entries as typed:
// a solid line with its spread shaded, a diamond at its death, and the
// "Result" and "Method" sections of the sheet.
MethodRecord newtonRecord(const Estimate &estimate, const CaseEntries &typed);

} // namespace quorrel::ui
