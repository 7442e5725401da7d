#pragma once

#include "caserecord.h"
#include "clock.h"
#include "compound.h"
#include "signs.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorrel::ui
{

// The signs of death, the last sighting and the nomogram combined, in words:
// the names of the signs and their findings, the bound each finding puts on
// the hours, and the combined interval with what set each end.

// Which method a record is, for the case's own rules.
inline const QString kSignsKey = QStringLiteral("signs");

// The signs in the order the table lists them, each once.
QList<DeathSign> signsInOrder();
// "Rigor at its maximum", as a pick is named.
QString signName(DeathSign sign);
// "Yes", "No", "Grade III", "No reaction".
QString findingName(SignFinding finding);
// "at least 2 h", "at most 20 h", "3.5 to 13 h": hours since death at the
// examination.
QString boundWords(const SignRow &row);
// A pick's item: "Yes: at least 2 h".
QString pickItem(const SignRow &row);
// A published doubt about a row, in words.
QString caveatText(SignCaveat caveat);
// The publications behind a sign's rows and any published doubt about them,
// to be shown beside its pick.
QString signNote(DeathSign sign);

// A day counted from the day of discovery (0), as the picks name it: "the
// day before discovery".
QString dayChoice(std::int64_t day);

// A method's exact estimate as a distribution, for the probability of death
// within the bounds the last sighting alive and the discovery set.
struct DistributionSource {
    QString name; // "Henssge's nomogram"
    NormalEstimate estimate;
    // Its entries were uncertain: the exact estimate stands in, as the
    // prudent interval is no distribution.
    bool prudent = false;
};
// Every record's distribution, in the record's order, named by its record.
QList<DistributionSource> distributionsIn(const CaseRecord &record);

// The distribution cut to the bounds, in words: its 95 % interval and median
// as clock times with their day, the share of the whole within the bounds,
// and the assumption it rests on; or that it does not apply, its most likely
// time lying outside the bounds.
QString conditionalSentence(ClockTime foundAt, const InvestigativeBounds &bounds,
                            const DistributionSource &source);
// "Probability of death between 10:00 AM and 11:00 AM the day before
// discovery: 34 % (Henssge's nomogram, within the bounds)."; empty where the
// distribution does not apply.
QString probabilitySentence(ClockTime foundAt, const InvestigativeBounds &bounds,
                            const DistributionSource &source, double fromHours, double toHours);

// What the combination was made of, for its words.
struct SignsScene {
    ClockTime foundAt;
    // The examination's time and the sighting's, in hours after discovery
    // (a sighting is before it: negative).
    double examinedHours = 0.0;
    std::optional<double> lastSeenHours = std::nullopt;
    // The intervals other methods state, in the order of their evidence
    // (kind Nomogram), and why any other method states none to weigh.
    QList<MethodRecord::Weighed> weighed = {};
    QStringList notWeighed = {};
    // The distributions the case holds, cut to the bounds where a last
    // sighting is given.
    QList<DistributionSource> distributions = {};
    std::vector<Evidence> evidence = {};
    CompoundResult result = {};
};

// "Died between 11:00 AM and 12:28 PM the day before discovery. Earliest:
// …; latest: …." or, where two pieces contradict each other, which two and
// that no interval is given.
QString signsSentence(const SignsScene &scene);
// One line a piece of evidence, with the interval it allows alone, marked
// where it set an end of the combined interval.
QStringList evidenceLines(const SignsScene &scene);

// The combination as the case records it: no curve, its interval drawn
// cross-hatched between brackets on the time axis, named even alone, and a
// "Signs of death" section on the sheet, with each distribution cut to the
// bounds where a last sighting is given. The entries keep what was chosen.
MethodRecord signsRecord(const SignsScene &scene, const QList<CaseEntry> &entries);

} // namespace quorrel::ui
