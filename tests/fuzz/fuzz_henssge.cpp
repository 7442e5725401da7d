// Henssge's nomogram from five doubles: room, rectal, mass, factor and the
// hours to a second reading. Each takes a mode byte and eight bytes: an even
// mode gives the raw bits (NaN, infinities, huge and tiny values), an odd one
// a value spread over the field's plausible range, so accepted inputs come
// often. An accepted input gives a finite estimate whose curve passes through
// the reading; a refused one names why.
#include "henssge.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace
{

using namespace quorrel;

struct Reader {
    const std::uint8_t *data;
    std::size_t size;

    std::uint8_t byte()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    double next(double lo, double hi)
    {
        const bool raw = (byte() & 1) == 0;
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | byte();
        if (!raw)
            return lo + (hi - lo) * (static_cast<double>(bits >> 11) / 9007199254740992.0);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
};

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

bool finiteInput(const HenssgeInput &in)
{
    return std::isfinite(in.ambient) && std::isfinite(in.rectal) && std::isfinite(in.massKg) &&
           std::isfinite(in.factor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Reader read{data, size};
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
        return 0;
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
    return 0;
}
