// The compound method over any list of evidence: up to eight pieces, each a
// kind byte and its hours. Each hour takes a mode byte and eight bytes: an
// even mode gives the raw bits (NaN, infinities, huge and tiny values), an
// odd one a value spread over a plausible range. Whatever the list, the
// answer is an interval every piece allows, with ends set by pieces that say
// so, or two pieces that truly contradict each other, and the order of the
// list changes neither.
#include "compound.h"
#include "fuzzinput.h"
#include "signs.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{

using namespace quorrel;

using fuzz::check;
using fuzz::Reader;

std::optional<Evidence> piece(Reader &read)
{
    const std::uint8_t kind = read.byte();
    switch (kind % 5) {
    case 0: {
        const std::size_t row = read.byte() % (signsOfDeath().size() + 2);
        const Result<Evidence> e = signEvidence(row, read.next(-6, 48));
        check(e.has_value() == (row < signsOfDeath().size()));
        return e;
    }
    case 1: {
        HenssgeEstimate estimate;
        estimate.hoursSinceDeath = read.next(0, 80);
        const double limits[] = {2.8, 3.2, 4.5, 7.0};
        if (const std::uint8_t limit = read.byte() % 5; limit < 4)
            estimate.limitHours = limits[limit];
        const std::optional<Evidence> e = nomogramEvidence(estimate, read.next(-6, 48));
        check(e.has_value() == estimate.limitHours.has_value());
        return e;
    }
    case 2:
        return lastSeenAliveEvidence(read.next(-6, 100));
    case 3:
        return discoveryEvidence();
    default: {
        Evidence e;
        e.kind = EvidenceKind::Sign;
        if (kind & 0x10)
            e.noEarlierThan = read.next(-50, 100);
        if (kind & 0x20)
            e.noLaterThan = read.next(-50, 100);
        return e;
    }
    }
}

bool finite(const std::optional<double> &hours)
{
    return !hours || std::isfinite(*hours);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Reader read{data, size};
    std::vector<Evidence> evidence;
    for (int count = read.byte() % 9; count > 0; --count) {
        if (const std::optional<Evidence> e = piece(read))
            evidence.push_back(*e);
    }
    const Result<CompoundResult> result = combineEvidence(evidence);
    const bool allFinite = std::all_of(evidence.begin(), evidence.end(), [](const Evidence &e) {
        return finite(e.noEarlierThan) && finite(e.noLaterThan);
    });
    check(result.has_value() == allFinite);
    if (!result)
        return 0;
    check(result->interval.has_value() != result->contradiction.has_value());

    // The smallest "no earlier than" and the largest "no later than", and
    // whether the pieces said to set them say exactly that.
    std::optional<double> earliest;
    std::optional<double> latest;
    for (const Evidence &e : evidence) {
        if (e.noEarlierThan)
            earliest = std::min(earliest.value_or(*e.noEarlierThan), *e.noEarlierThan);
        if (e.noLaterThan)
            latest = std::max(latest.value_or(*e.noLaterThan), *e.noLaterThan);
    }
    if (result->contradiction) {
        const Contradiction &c = *result->contradiction;
        check(c.noEarlierThan < evidence.size() && c.noLaterThan < evidence.size());
        check(evidence[c.noEarlierThan].noEarlierThan == earliest);
        check(evidence[c.noLaterThan].noLaterThan == latest);
        check(*earliest < *latest);
    } else {
        const CompoundInterval &i = *result->interval;
        check(i.earliest.has_value() == earliest.has_value());
        check(i.latest.has_value() == latest.has_value());
        if (i.earliest) {
            check(i.earliest->hoursBeforeDiscovery == *earliest);
            check(i.earliest->setBy < evidence.size() &&
                  evidence[i.earliest->setBy].noEarlierThan == earliest);
        }
        if (i.latest) {
            check(i.latest->hoursBeforeDiscovery == *latest);
            check(i.latest->setBy < evidence.size() &&
                  evidence[i.latest->setBy].noLaterThan == latest);
        }
        if (i.earliest && i.latest)
            check(i.earliest->hoursBeforeDiscovery >= i.latest->hoursBeforeDiscovery);
    }

    // The order of the evidence changes which of equal pieces is named, never
    // the answer.
    std::reverse(evidence.begin(), evidence.end());
    const Result<CompoundResult> reversed = combineEvidence(evidence);
    check(reversed && reversed->contradiction.has_value() == result->contradiction.has_value());
    if (reversed->interval) {
        const auto hours = [](const std::optional<IntervalEnd> &end) {
            return end ? std::optional(end->hoursBeforeDiscovery) : std::nullopt;
        };
        check(hours(reversed->interval->earliest) == hours(result->interval->earliest));
        check(hours(reversed->interval->latest) == hours(result->interval->latest));
    }
    return 0;
}
