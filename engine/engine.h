#pragma once

// The road of one estimate (estimateTimeOfDeath in estimate.h walks it whole):
//   texts              -> numbers            localeToDouble (numbers.h)
//   temperatures       -> hours since death  estimateHoursSinceDeath (cooling.h)
//   picks + hours      -> clock time         buildDeathClockTime (clock.h)
//   clock time         -> text               formatClockTime (clock.h)
//   readings + hours   -> how long, how sure judgeEstimate (confidence.h)
//   readings + hours   -> how it cooled      coolingCurve (curve.h)
// Henssge's nomogram from one reading, mass and factor is one call: estimateHenssge (henssge.h),
// its entries read exactly by localeToDecimal and made an input by henssgeInputFromTyped.
// The signs of death and their published bounds are a table: signsOfDeath (signs.h); with
// the nomogram's limits and a sighting they bound the time of death: combineEvidence (compound.h).
// The converter window's arithmetic is one call: convertTemperature (convert.h).
// Every step returns an empty Result on failure; the caller words the message.

#include "clock.h"
#include "compound.h"
#include "confidence.h"
#include "convert.h"
#include "cooling.h"
#include "curve.h"
#include "estimate.h"
#include "henssge.h"
#include "numbers.h"
#include "signs.h"
