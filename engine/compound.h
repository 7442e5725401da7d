#pragma once

#include "henssge.h"
#include "numbers.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace quorrel
{

// The compound method: every piece of evidence bounds the time of death from
// one side or both, and the estimate is the interval they all allow. Times
// are hours before discovery, so a larger number is an earlier death.

enum class EvidenceKind {
    Sign,          // a row of signsOfDeath()
    Nomogram,      // Henssge's 95 % limits
    LastSeenAlive, // death came after it
    Discovery,     // death came before it
};

struct Evidence {
    EvidenceKind kind = EvidenceKind::Sign;
    std::size_t signRow = 0; // which row of signsOfDeath(), for a sign
    // Death came at most this many hours before discovery.
    std::optional<double> noEarlierThan;
    // Death came at least this many hours before discovery.
    std::optional<double> noLaterThan;
};

// A sign's bound, found at an examination this many hours after discovery:
// "at least 3 h" at an examination 2 h after discovery is "no later than 1 h
// before discovery". Fails for a row the table does not have.
Result<Evidence> signEvidence(std::size_t signRow, double examinedHoursAfterDiscovery);
// The nomogram's 95 % interval around its estimate, from a reading taken
// this many hours after discovery; none where the method publishes no limits.
std::optional<Evidence> nomogramEvidence(const HenssgeEstimate &estimate,
                                         double readingHoursAfterDiscovery);
Evidence lastSeenAliveEvidence(double hoursBeforeDiscovery);
// Found dead: death came no later than the discovery.
Evidence discoveryEvidence();

// One end of the interval and the piece of evidence, by its index in the
// list, that set it; the first of equal bounds sets it.
struct IntervalEnd {
    double hoursBeforeDiscovery = 0.0;
    std::size_t setBy = 0;
    // The later pieces that give the very same bound, which set it too.
    std::vector<std::size_t> alsoSetBy = {};
};

struct CompoundInterval {
    std::optional<IntervalEnd> earliest; // empty where nothing bounds it
    std::optional<IntervalEnd> latest;
};

// The two pieces that cannot both hold: one has death come no earlier than a
// time after the latest the other allows.
struct Contradiction {
    std::size_t noEarlierThan = 0;
    std::size_t noLaterThan = 0;
};

struct CompoundResult {
    std::optional<CompoundInterval> interval; // empty where the evidence contradicts itself
    std::optional<Contradiction> contradiction;
};

// The interval all the evidence allows, or the two pieces that set its ends
// the wrong way round. Fails where an hour is not finite.
Result<CompoundResult> combineEvidence(std::span<const Evidence> evidence);

} // namespace quorrel
