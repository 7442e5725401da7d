#pragma once

#include "numbers.h"

namespace quorrel
{

// A nomogram's estimate as a distribution, and the conditional probability
// within the investigative bounds (Biermann & Potente, Forensic Sci Int
// 2011; Hubig, Muggenthaler & Mall, Forensic Sci Int 238:53, 2014): the
// estimate's normal error cut to the hours between the last sighting alive
// and the discovery. Hours count back from the discovery: more is earlier.

// The estimate's error: normal, its standard deviation half the published
// 95 % limit (the nomograms' limits are two standard deviations).
struct NormalEstimate {
    double meanHours = 0.0;
    double sdHours = 0.0;
};
NormalEstimate normalFromLimit(double hoursBeforeDiscovery, double limitHours);

// Death no later than `latestHours` (the discovery: 0) and no earlier than
// `earliestHours` (the last sighting) before discovery.
struct InvestigativeBounds {
    double earliestHours = 0.0;
    double latestHours = 0.0;
};

struct ConditionalInterval {
    // The 95 % interval of the cut distribution, 2.5 % in each tail, and its
    // median, in hours before discovery.
    double earliestHours = 0.0;
    double latestHours = 0.0;
    double medianHours = 0.0;
    // How much of the whole distribution lies within the bounds.
    double shareWithin = 0.0;
};

// None where the method does not apply: the estimate's most likely time
// outside the bounds (Hubig et al. 2014), bounds that hold no time, or
// numbers that are not finite or a deviation that is not positive.
Result<ConditionalInterval> conditionalWithin(const NormalEstimate &estimate,
                                              const InvestigativeBounds &bounds);

// The probability, under the same cut distribution, that death came between
// two moments (in hours before discovery, either order); none where
// conditionalWithin gives none.
Result<double> conditionalProbabilityBetween(const NormalEstimate &estimate,
                                             const InvestigativeBounds &bounds, double fromHours,
                                             double toHours);

} // namespace quorrel
