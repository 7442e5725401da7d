#include "braintext.h"

#include "henssgetext.h"
#include "wording.h"

namespace quorrel::ui
{
namespace
{

// The published limits: hours found up to each bound, and the ± they give.
constexpr std::pair<double, double> kLimitBands[] = {{6.5, 1.5}, {10.5, 2.5}, {13.5, 3.5}};
constexpr double kLimitsEnd = 13.5;

QString hoursWords(double hours)
{
    return typedNumber(hours) + QStringLiteral(" h");
}

// "10 to 25 °C", the rooms the method was studied in.
QString studiedRooms()
{
    return QStringLiteral("%1 to %2").arg(typedNumber(10), degreesCelsius(typedNumber(25)));
}

} // namespace

QString brainSentence(ClockTime foundAt, const BrainEstimate &estimate, double roomFahrenheit)
{
    QString sentence = nomogramSentence(foundAt, estimate.hoursSinceDeath, estimate.limitHours,
                                        QStringLiteral("no %1 limits are published beyond %2")
                                            .arg(percent(95), hoursWords(kLimitsEnd)));
    if (estimate.roomOutsideStudied)
        sentence += QStringLiteral(" The room, %1, is outside the %2 the method was studied in: "
                                   "the estimate and its limits may not hold there.")
                        .arg(fahrenheitAndCelsius(roomFahrenheit), studiedRooms());
    return sentence;
}

QString brainDetail(const BrainEstimate &estimate)
{
    const QString formula =
        QStringLiteral("Q = %1 exp(\u2212%2 t) \u2212 %3 exp(\u2212%4 t)")
            .arg(typedNumber(1.135), typedNumber(0.127), typedNumber(0.135), typedNumber(1.07));
    QStringList bands;
    for (const auto &[upTo, limit] : kLimitBands)
        bands << QStringLiteral("%1 up to %2").arg(tenthsOfHours(limit), hoursWords(upTo));
    return QStringLiteral("Q = %1; %2, from %3 at death. %4 limits %5; none beyond.")
        .arg(qText(estimate.q), leftToRight(formula),
             degreesCelsius(typedNumber(kHenssgeStartCelsius)), percent(95),
             bands.join(QStringLiteral(", ")));
}

QString brainReadingsLine(ClockTime foundAt, double roomFahrenheit)
{
    return QStringLiteral("Read from the main window: found at %1; room %2.")
        .arg(clockText(foundAt), fahrenheitAndCelsius(roomFahrenheit));
}

MethodRecord brainRecord(ClockTime foundAt, const QList<CaseEntry> &entries,
                         const MethodResult &result, const QString &sentence,
                         const QStringList &notes)
{
    const QString brain = QStringLiteral("brain nomogram");
    const NomogramLook look{
        kBrainKey,
        QStringLiteral("Henssge's brain nomogram"),
        QStringLiteral("Brain"),
        QStringLiteral("dotted line"),
        QStringLiteral("Henssge brain nomogram"),
        {Qt::DotLine, false, Qt::FDiagPattern, CurveLook::Mark::Diamond},
        brain,
        brain,
        QStringLiteral("Henssge's brain nomogram took no part: no %1 limits are published "
                       "beyond %2, so it states no interval to weigh.")
            .arg(percent(95), hoursWords(kLimitsEnd))};
    return nomogramRecord(look, foundAt, entries, result, sentence, notes);
}

} // namespace quorrel::ui
