#pragma once

#include "confidence.h"

#include <functional>
#include <optional>
#include <vector>

namespace quorrel
{

// A point a method marks on its curve: a reading, in hours from discovery
// (the first reading) and °F.
struct MarkedPoint {
    double hours = 0.0;
    double temperature = 0.0;
};

// What any method of estimating makes of a case, in one shape, so that the
// curve, the sheet and the wording need not know which method it was. Times
// run in hours from discovery; temperatures are in °F.
struct MethodResult {
    // How long before discovery death came.
    double hoursSinceDeath = 0.0;
    // Half the width of the interval around the time of death, in hours; none
    // where the method gives no bound.
    std::optional<double> spreadHours;
    // The reading that makes the estimate doubtful, if any.
    Confidence::Doubt doubt = Confidence::Doubt::None;
    // The room, and the body's temperature at death, where its curve starts.
    double ambient = 0.0;
    double startTemperature = 0.0;
    std::vector<MarkedPoint> readings;
    // The body's temperature at a time; empty where the estimate is doubtful,
    // as a curve through its readings would not meet the start temperature
    // at the time of death. A picture of it runs from death to `curveTo`.
    std::function<double(double hours)> temperatureAt;
    double curveTo = 0.0;

    bool hasCurve() const { return static_cast<bool>(temperatureAt); }
    double curveFrom() const { return -hoursSinceDeath; }
};

} // namespace quorrel
