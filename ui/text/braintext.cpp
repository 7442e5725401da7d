#include "braintext.h"

#include "henssgetext.h"
#include "wording.h"

#include <QCoreApplication>

namespace quorrel::ui
{
namespace
{

class BrainWords
{
    Q_DECLARE_TR_FUNCTIONS(BrainWords)
};

// The published limits: hours found up to each bound, and the ± they give.
constexpr std::pair<double, double> kLimitBands[] = {{6.5, 1.5}, {10.5, 2.5}, {13.5, 3.5}};
constexpr double kLimitsEnd = 13.5;

// "10 to 25 °C", the rooms the method was studied in.
QString studiedRooms()
{
    //: A range of temperatures: "10 to 25 °C".
    return BrainWords::tr("%1 to %2").arg(typedNumber(10), degreesCelsius(typedNumber(25)));
}

} // namespace

QString brainSentence(ClockTime foundAt, const BrainEstimate &estimate, double roomFahrenheit)
{
    //: In brackets after the estimate: "no 95 % limits are published beyond 13.5 h".
    const QString sentence =
        nomogramSentence(foundAt, estimate.hoursSinceDeath, estimate.limitHours,
                         BrainWords::tr("no %1 limits are published beyond %2")
                             .arg(percent(95), typedHours(kLimitsEnd)));
    if (!estimate.roomOutsideStudied)
        return sentence;
    //: %1 the room ("60 °F (15.6 °C)"); %2 the rooms the method was studied in ("10 to 25 °C").
    return sentence + ' ' +
           BrainWords::tr("The room, %1, is outside the %2 the method was studied in: the "
                          "estimate and its limits may not hold there.")
               .arg(fahrenheitAndCelsius(roomFahrenheit), studiedRooms());
}

QString brainDetail(const BrainEstimate &estimate)
{
    const QString formula =
        QStringLiteral("Q = %1 exp(\u2212%2 t) \u2212 %3 exp(\u2212%4 t)")
            .arg(typedNumber(1.135), typedNumber(0.127), typedNumber(0.135), typedNumber(1.07));
    QStringList bands;
    for (const auto &[upTo, limit] : kLimitBands)
        //: A limit and the hours it holds up to: "±1.5 h up to 6.5 h".
        bands << BrainWords::tr("%1 up to %2").arg(tenthsOfHours(limit), typedHours(upTo));
    //: %1 the value of Q; %2 the formula; %3 the temperature at death; %4 "95 %"; %5 the limits
    //: and the hours each holds up to.
    return BrainWords::tr("Q = %1; %2, from %3 at death. %4 limits %5; none beyond.")
        .arg(qText(estimate.q), leftToRight(formula),
             degreesCelsius(typedNumber(kHenssgeStartCelsius)), percent(95),
             bands.join(QStringLiteral(", ")));
}

QString brainReadingsLine(ClockTime foundAt, double roomFahrenheit)
{
    //: The time the body was found, then the room's temperature.
    return BrainWords::tr("Read from the main window: found at %1; room %2.")
        .arg(clockText(foundAt), fahrenheitAndCelsius(roomFahrenheit));
}

MethodRecord brainRecord(ClockTime foundAt, const QList<CaseEntry> &entries,
                         const MethodResult &result, const QString &sentence,
                         const QStringList &notes)
{
    //: Names the method in a combination of evidence: "the brain nomogram's 95 % limit".
    const QString brain = BrainWords::tr("brain nomogram");
    const NomogramLook look{
        kBrainKey,
        BrainWords::tr("Henssge's brain nomogram"),
        //: The label at its time of death on the curve: "Brain: died 5:45 PM".
        BrainWords::tr("Brain"),
        //: How the curve is drawn, named in the curve's summary.
        BrainWords::tr("dotted line"),
        //: The heading of its section on the case sheet.
        BrainWords::tr("Henssge brain nomogram"),
        {Qt::DotLine, false, Qt::FDiagPattern, CurveLook::Mark::Diamond},
        brain,
        brain,
        BrainWords::tr("Henssge's brain nomogram took no part: no %1 limits are published "
                       "beyond %2, so it states no interval to weigh.")
            .arg(percent(95), typedHours(kLimitsEnd))};
    return nomogramRecord(look, foundAt, entries, result, sentence, notes);
}

} // namespace quorrel::ui
