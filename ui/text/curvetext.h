#pragma once

#include "caserecord.h"

#include <QString>

namespace quorrel::ui
{

// The curve's words that do not belong to one method.

// A reading as the picture names it: "75 °F at 2:00:00 AM", with its day
// where asked.
QString readingText(ClockTime foundAt, const MarkedPoint &reading, bool withDay);

// One sentence that says what the picture shows.
QString curveSummary(const CaseRecord *record);

// The clock time and temperature at a point of the curve, such as
// "7:40:44 PM, 95.3 °F", or each curve's by name where more are named.
QString pointOnCurve(const CaseRecord &record, double hours);

// Whether the picture names its curves: more than one, or one that is
// named even alone.
bool curvesNamed(const QList<const MethodRecord *> &drawn);

} // namespace quorrel::ui
