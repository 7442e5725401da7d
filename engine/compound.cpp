#include "compound.h"

#include "signs.h"

#include <cmath>

namespace quorrel
{

Result<Evidence> signEvidence(std::size_t signRow, double examinedHoursAfterDiscovery)
{
    const std::span<const SignRow> rows = signsOfDeath();
    if (signRow >= rows.size())
        return std::nullopt;
    const SignRow &row = rows[signRow];
    Evidence e;
    e.kind = EvidenceKind::Sign;
    e.signRow = signRow;
    // At least h hours at the examination is death no later than h hours
    // before it; at most, no earlier.
    if (row.kind != SignBoundKind::AtMost)
        e.noLaterThan = row.fromHours - examinedHoursAfterDiscovery;
    if (row.kind != SignBoundKind::AtLeast)
        e.noEarlierThan = row.toHours - examinedHoursAfterDiscovery;
    return e;
}

std::optional<Evidence> nomogramEvidence(const HenssgeEstimate &estimate,
                                         double readingHoursAfterDiscovery)
{
    if (!estimate.limitHours)
        return std::nullopt;
    const double hours = estimate.hoursSinceDeath - readingHoursAfterDiscovery;
    Evidence e;
    e.kind = EvidenceKind::Nomogram;
    e.noEarlierThan = hours + *estimate.limitHours;
    e.noLaterThan = hours - *estimate.limitHours;
    return e;
}

Evidence lastSeenAliveEvidence(double hoursBeforeDiscovery)
{
    Evidence e;
    e.kind = EvidenceKind::LastSeenAlive;
    e.noEarlierThan = hoursBeforeDiscovery;
    return e;
}

Evidence discoveryEvidence()
{
    Evidence e;
    e.kind = EvidenceKind::Discovery;
    e.noLaterThan = 0.0;
    return e;
}

Result<CompoundResult> combineEvidence(std::span<const Evidence> evidence)
{
    CompoundInterval interval;
    for (std::size_t i = 0; i < evidence.size(); ++i) {
        const Evidence &e = evidence[i];
        if ((e.noEarlierThan && !std::isfinite(*e.noEarlierThan)) ||
            (e.noLaterThan && !std::isfinite(*e.noLaterThan)))
            return std::nullopt;
        // The earliest death allowed is the nearest "no earlier than" to the
        // discovery; the latest is the furthest "no later than".
        if (e.noEarlierThan) {
            if (!interval.earliest || *e.noEarlierThan < interval.earliest->hoursBeforeDiscovery)
                interval.earliest = IntervalEnd{*e.noEarlierThan, i};
            else if (*e.noEarlierThan == interval.earliest->hoursBeforeDiscovery)
                interval.earliest->alsoSetBy.push_back(i);
        }
        if (e.noLaterThan) {
            if (!interval.latest || *e.noLaterThan > interval.latest->hoursBeforeDiscovery)
                interval.latest = IntervalEnd{*e.noLaterThan, i};
            else if (*e.noLaterThan == interval.latest->hoursBeforeDiscovery)
                interval.latest->alsoSetBy.push_back(i);
        }
    }
    CompoundResult result;
    if (interval.earliest && interval.latest &&
        interval.earliest->hoursBeforeDiscovery < interval.latest->hoursBeforeDiscovery)
        result.contradiction = Contradiction{interval.earliest->setBy, interval.latest->setBy};
    else
        result.interval = interval;
    return result;
}

} // namespace quorrel
