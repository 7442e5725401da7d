// Henssge's nomogram from five doubles: room, rectal, mass, factor and the
// hours to a second reading. Each takes a mode byte and eight bytes: an even
// mode gives the raw bits (NaN, infinities, huge and tiny values), an odd one
// a value spread over the field's plausible range, so accepted inputs come
// often. An accepted input gives a finite estimate whose curve passes through
// the reading; a refused one names why.
// The bytes after them are typed entries: room, body, mass and factor, and a
// byte for pounds and the mass rule. Decided on the decimals, the estimate may
// differ from the doubles' only where a double lies a rounding from an edge.
#include "fuzzinput.h"
#include "henssge.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace
{

using namespace quorrel;

using fuzz::check;
using fuzz::Reader;

bool finiteInput(const HenssgeInput &in)
{
    return std::isfinite(in.ambient) && std::isfinite(in.rectal) && std::isfinite(in.massKg) &&
           std::isfinite(in.factor);
}

// A mode byte, then four bytes: an even mode gives any 32-bit number of
// units times a power of ten from 1 down to 10^-5; an odd one a value from lo
// to hi with up to three decimals, as a person would type it.
Decimal typedEntry(Reader &read, std::int64_t lo, std::int64_t hi)
{
    const std::uint8_t mode = read.byte();
    std::uint32_t raw = 0;
    for (int i = 0; i < 4; ++i)
        raw = raw << 8 | read.byte();
    if ((mode & 1) == 0)
        return Decimal(static_cast<std::int32_t>(raw), -(mode / 2 % 6));
    const int decimals = mode / 2 % 4;
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return Decimal(lo * scale + static_cast<std::int64_t>(raw % ((hi - lo) * scale + 1)),
                   -decimals);
}

bool near(double x, double edge)
{
    return std::fabs(x - edge) <= 1e-9 * std::max(1.0, std::fabs(edge));
}

void checkTyped(Reader &read)
{
    HenssgeTypedEntries typed;
    typed.roomFahrenheit = typedEntry(read, -40, 110);
    typed.bodyFahrenheit = typedEntry(read, -40, 110);
    typed.mass = typedEntry(read, 0, 300);
    typed.factor = typedEntry(read, 0, 4);
    const std::uint8_t flags = read.byte();
    typed.massInPounds = (flags & 1) != 0;
    const HenssgeInput in = henssgeInputFromTyped(typed, (flags & 2) != 0);
    HenssgeInput binary = in;
    binary.typed.reset();

    const HenssgeResult exact = estimateHenssge(in);
    const HenssgeResult rounded = estimateHenssge(binary);
    check(exact.estimate.has_value() == (exact.refusal == HenssgeRefusal::None));
    check(std::isnan(henssgeTemperatureAt(in, 1)) == !exact.estimate);
    if (exact.estimate && rounded.estimate) {
        const HenssgeEstimate &e = *exact.estimate;
        const HenssgeEstimate &b = *rounded.estimate;
        check(e.q == b.q && e.q > 0 && e.q <= 1);
        if (e.formula == b.formula && e.factorUsed == b.factorUsed)
            check(e.hoursSinceDeath == b.hoursSinceDeath);
    }
    const double q = (in.rectal - in.ambient) / (kHenssgeStartCelsius - in.ambient);
    const bool nearAnEdge =
        near(in.massKg, kHenssgeMinMassKg) || near(in.massKg, kHenssgeMaxMassKg) ||
        near(in.massKg, 70) || near(in.factor, kHenssgeMinFactor) ||
        near(in.factor, kHenssgeMaxFactor) || near(in.factor, 1.4) || near(in.factor, 1) ||
        near(in.rectal, kHenssgeStartCelsius) || near(in.ambient, kAbsoluteZeroCelsius) ||
        near(in.rectal, kAbsoluteZeroCelsius) || near(in.ambient, kHenssgeWarmRoomAbove) ||
        near(q, 0.5) || near(q, 0.3) || near(q, 0.2);
    if (nearAnEdge)
        return;
    check(exact.refusal == rounded.refusal);
    if (exact.estimate) {
        check(exact.estimate->limitRule == rounded.estimate->limitRule);
        check(exact.estimate->formula == rounded.estimate->formula);
        check(exact.estimate->adjustedForMass == rounded.estimate->adjustedForMass);
    }
}

void checkDoubles(Reader &read)
{
    HenssgeInput in;
    in.ambient = read.next(-30, 45);
    in.rectal = read.next(-30, 45);
    in.massKg = read.next(0, 260);
    in.factor = read.next(0, 3.5);
    in.adjustForMass = read.next(0, 1) < 0.5;
    const double later = read.next(-50, 50);

    const HenssgeResult result = estimateHenssge(in);
    check(result.estimate.has_value() == (result.refusal == HenssgeRefusal::None));
    check((result.refusal == HenssgeRefusal::NotFinite) == !finiteInput(in));
    check(std::isnan(henssgeTemperatureAt(in, 1)) == !result.estimate);
    if (!result.estimate) {
        check(!henssgeExpectedReading(in, later));
        return;
    }

    const HenssgeEstimate &e = *result.estimate;
    check(std::isfinite(e.hoursSinceDeath) && e.hoursSinceDeath >= 0);
    check(e.q > 0 && e.q <= 1);
    check(std::isfinite(e.factorUsed) && e.factorUsed > 0);
    check(e.adjustedForMass == (in.adjustForMass && in.factor >= 1.4 && in.massKg != 70));
    check((e.formula == HenssgeFormula::Above23_2) == (in.ambient > 23.2));
    check(e.limitHours.has_value() == (e.limitRule != HenssgeLimitRule::NoneBelow0_2 &&
                                       e.limitRule != HenssgeLimitRule::NoneWarmRoomBelow));
    if (e.limitHours)
        check(*e.limitHours >= 2.8 && *e.limitHours <= 7.0);

    // The curve meets the reading: its Q at the solved hours is the reading's.
    const double atReading = henssgeTemperatureAt(in, e.hoursSinceDeath);
    check(std::fabs((atReading - in.ambient) / (37.2 - in.ambient) - e.q) <= 1e-9);

    // A body halfway nearer the room has cooled at least as long.
    HenssgeInput cooler = in;
    cooler.rectal = in.ambient + (in.rectal - in.ambient) / 2;
    const HenssgeResult colder = estimateHenssge(cooler);
    if (colder.estimate)
        check(colder.estimate->hoursSinceDeath >= e.hoursSinceDeath);

    const Result<double> expected = henssgeExpectedReading(in, later);
    check(expected.has_value() == (std::isfinite(later) && e.hoursSinceDeath + later >= 0));
    // Never warmer than at death, up to the rounding of a room far below zero.
    if (expected)
        check(std::isfinite(*expected) && *expected <= 37.2 + 1e-15 * (37.2 - in.ambient));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Reader read{data, size};
    checkDoubles(read);
    checkTyped(read);
    return 0;
}
