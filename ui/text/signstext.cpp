#include "signstext.h"

#include "curve.h"
#include "wording.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

class SignsWords
{
    Q_DECLARE_TR_FUNCTIONS(SignsWords)
};

// The words of each sign, in English, translated where they are shown.
struct SignWords {
    DeathSign sign;
    const char *name; // the pick's name
    const char *yes;  // the finding "yes" in a sentence
    const char *no;   // the finding "no"
    const char *tag;  // a word or two for the curve's label
};

constexpr SignWords kSignWords[] = {
    {DeathSign::LividityVisible, QT_TRANSLATE_NOOP("SignsWords", "Lividity visible"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity visible"),
     QT_TRANSLATE_NOOP("SignsWords", "no lividity visible"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity")},
    {DeathSign::LividityConfluent, QT_TRANSLATE_NOOP("SignsWords", "Lividity confluent"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity confluent"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity not confluent"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity")},
    {DeathSign::LividityMaximal, QT_TRANSLATE_NOOP("SignsWords", "Lividity at its maximum"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity at its maximum"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity not at its maximum"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity")},
    {DeathSign::LividityVanishesUnderThumbPressure,
     QT_TRANSLATE_NOOP("SignsWords", "Lividity vanishes completely under thumb pressure"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity vanishing completely under thumb pressure"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity not vanishing completely under thumb pressure"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity")},
    {DeathSign::LividityShiftsCompletelyWhenTurned,
     QT_TRANSLATE_NOOP("SignsWords", "Lividity shifts completely when the body is turned"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity shifting completely when the body is turned"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity not shifting completely when the body is turned"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity")},
    {DeathSign::LividityShiftsInPartWhenTurned,
     QT_TRANSLATE_NOOP("SignsWords", "Lividity shifts in part when the body is turned"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity shifting in part when the body is turned"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity not shifting even in part when the body is turned"),
     QT_TRANSLATE_NOOP("SignsWords", "lividity")},
    //: Rigor mortis, in all of these rows.
    {DeathSign::RigorPresent, QT_TRANSLATE_NOOP("SignsWords", "Rigor present"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor present"), QT_TRANSLATE_NOOP("SignsWords", "no rigor"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor")},
    {DeathSign::RigorMaximal, QT_TRANSLATE_NOOP("SignsWords", "Rigor at its maximum"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor at its maximum"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor not at its maximum"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor")},
    {DeathSign::RigorReestablishedAfterBreaking,
     QT_TRANSLATE_NOOP("SignsWords", "Rigor re-established after it was broken"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor re-established after it was broken"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor not re-established after it was broken"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor")},
    {DeathSign::RigorResolving, QT_TRANSLATE_NOOP("SignsWords", "Rigor resolving"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor resolving"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor not resolving"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor")},
    {DeathSign::RigorResolved, QT_TRANSLATE_NOOP("SignsWords", "Rigor resolved"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor resolved"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor not resolved"),
     QT_TRANSLATE_NOOP("SignsWords", "rigor")},
    {DeathSign::MechanicalWholeMuscleContraction,
     QT_TRANSLATE_NOOP("SignsWords", "Mechanical excitability: whole-muscle contraction (Zsako)"),
     QT_TRANSLATE_NOOP("SignsWords", "a whole-muscle contraction on a tap (Zsako)"),
     QT_TRANSLATE_NOOP("SignsWords", "no whole-muscle contraction on a tap"),
     QT_TRANSLATE_NOOP("SignsWords", "muscle tap")},
    {DeathSign::MechanicalIdiomuscularBulge,
     QT_TRANSLATE_NOOP("SignsWords", "Mechanical excitability: idiomuscular bulge"),
     QT_TRANSLATE_NOOP("SignsWords", "an idiomuscular bulge on a tap"),
     QT_TRANSLATE_NOOP("SignsWords", "no idiomuscular bulge on a tap"),
     QT_TRANSLATE_NOOP("SignsWords", "muscle tap")},
    {DeathSign::ElectricalEyelid,
     QT_TRANSLATE_NOOP("SignsWords", "Electrical excitability of the eyelid"),
     QT_TRANSLATE_NOOP("SignsWords", "the eyelid's electrical reaction"),
     QT_TRANSLATE_NOOP("SignsWords", "no electrical reaction of the eyelid"),
     QT_TRANSLATE_NOOP("SignsWords", "eyelid")},
    {DeathSign::ElectricalCornerOfMouth,
     QT_TRANSLATE_NOOP("SignsWords", "Electrical excitability of the corner of the mouth"),
     QT_TRANSLATE_NOOP("SignsWords", "an electrical reaction at the corner of the mouth"),
     QT_TRANSLATE_NOOP("SignsWords", "no electrical reaction at the corner of the mouth"),
     QT_TRANSLATE_NOOP("SignsWords", "mouth")},
    {DeathSign::IrisTropicamide,
     QT_TRANSLATE_NOOP("SignsWords", "Chemical excitability of the iris: tropicamide"),
     QT_TRANSLATE_NOOP("SignsWords", "the iris reacting to tropicamide"),
     QT_TRANSLATE_NOOP("SignsWords", "the iris not reacting to tropicamide"),
     QT_TRANSLATE_NOOP("SignsWords", "iris")},
    {DeathSign::IrisAcetylcholine,
     QT_TRANSLATE_NOOP("SignsWords", "Chemical excitability of the iris: acetylcholine"),
     QT_TRANSLATE_NOOP("SignsWords", "the iris reacting to acetylcholine"),
     QT_TRANSLATE_NOOP("SignsWords", "the iris not reacting to acetylcholine"),
     QT_TRANSLATE_NOOP("SignsWords", "iris")},
};

const SignWords &wordsOf(DeathSign sign)
{
    for (const SignWords &words : kSignWords)
        if (words.sign == sign)
            return words;
    return kSignWords[0];
}

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// A grade inside a sentence: "grade III".
QString gradeInSentence(SignFinding finding)
{
    switch (finding) {
    case SignFinding::GradeVI:
        return SignsWords::tr("grade VI");
    case SignFinding::GradeV:
        return SignsWords::tr("grade V");
    case SignFinding::GradeIV:
        return SignsWords::tr("grade IV");
    case SignFinding::GradeIII:
        return SignsWords::tr("grade III");
    case SignFinding::GradeII:
        return SignsWords::tr("grade II");
    case SignFinding::GradeI:
        return SignsWords::tr("grade I");
    default:
        return QString();
    }
}

// The finding in a sentence: "rigor at its maximum", "the eyelid's
// electrical reaction at grade III".
QString findingPhrase(const SignRow &row)
{
    const SignWords &words = wordsOf(row.sign);
    switch (row.finding) {
    case SignFinding::Yes:
        return SignsWords::tr(words.yes);
    case SignFinding::No:
    case SignFinding::NoReaction:
        return SignsWords::tr(words.no);
    default:
        //: A finding and its grade: "the eyelid's electrical reaction at grade III".
        return SignsWords::tr("%1 at %2")
            .arg(SignsWords::tr(words.yes), gradeInSentence(row.finding));
    }
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// A moment before discovery to the minute, with its day: "11:00 AM the day
// before discovery".
QString moment(ClockTime foundAt, double hoursBefore)
{
    const std::optional<std::int64_t> at = minuteFromDiscovery(foundAt, -hoursBefore);
    return at ? minuteWithDay(*at) : momentText(foundAt, -hoursBefore, true);
}

// Two moments, their day named once where they share it.
QString betweenWords(ClockTime foundAt, double earliest, double latest)
{
    const std::optional<std::int64_t> from = minuteFromDiscovery(foundAt, -earliest);
    const std::optional<std::int64_t> to = minuteFromDiscovery(foundAt, -latest);
    // Narrower than a minute: one time, not a span from it to itself.
    if (from && to && *from == *to)
        //: A time and its day: "at about 11:00 AM the day before discovery".
        return SignsWords::tr("at about %1 %2").arg(minuteClock(*from), discoveryDayWords(*from));
    //: Two times and the day they share: "between 11:00 AM and 12:28 PM the day before
    //: discovery".
    if (from && to && discoveryDay(*from) == discoveryDay(*to))
        return SignsWords::tr("between %1 and %2 %3")
            .arg(minuteClock(*from), minuteClock(*to), discoveryDayWords(*to));
    //: Two times, each with its day.
    return SignsWords::tr("between %1 and %2")
        .arg(moment(foundAt, earliest), moment(foundAt, latest));
}

// What a piece of evidence allows alone: "between …", "no earlier than …".
QString allows(ClockTime foundAt, const Evidence &e)
{
    if (e.noEarlierThan && e.noLaterThan)
        return betweenWords(foundAt, *e.noEarlierThan, *e.noLaterThan);
    if (e.noEarlierThan)
        return SignsWords::tr("no earlier than %1").arg(moment(foundAt, *e.noEarlierThan));
    if (e.noLaterThan)
        return SignsWords::tr("no later than %1").arg(moment(foundAt, *e.noLaterThan));
    //: What a piece of evidence allows alone: it bounds nothing ("died any time").
    return SignsWords::tr("any time");
}

// The interval of another method a piece of evidence is: the scene keeps
// them in the order of their evidence.
const MethodRecord::Weighed &weighedAt(const SignsScene &scene, std::size_t index)
{
    const auto before =
        std::count_if(scene.evidence.begin(), scene.evidence.begin() + std::ptrdiff_t(index),
                      [](const Evidence &e) { return e.kind == EvidenceKind::Nomogram; });
    return scene.weighed.at(before);
}

// A piece named where it set an end: "rigor at its maximum (at least 2 h
// before the examination)".
QString pieceName(const SignsScene &scene, std::size_t index)
{
    const Evidence &e = scene.evidence.at(index);
    switch (e.kind) {
    case EvidenceKind::Sign: {
        const SignRow &row = signsOfDeath()[e.signRow];
        //: A finding and the hours it gives: "rigor at its maximum (at least 2 h before the
        //: examination)".
        return SignsWords::tr("%1 (%2 before the examination)")
            .arg(findingPhrase(row), boundWords(row));
    }
    case EvidenceKind::Nomogram: {
        const MethodRecord::Weighed &weighed = weighedAt(scene, index);
        return scene.weighed.size() > 1 ? weighed.nameAmongOthers : weighed.name;
    }
    case EvidenceKind::LastSeenAlive:
        return SignsWords::tr("the last sighting alive");
    case EvidenceKind::Discovery:
        return SignsWords::tr("the discovery");
    }
    return QString();
}

// The piece as its own line begins: "Henssge's nomogram, 95 % limits ±2.8 h".
QString pieceHeading(const SignsScene &scene, std::size_t index)
{
    const Evidence &e = scene.evidence.at(index);
    switch (e.kind) {
    case EvidenceKind::Sign: {
        const SignRow &row = signsOfDeath()[e.signRow];
        //: A finding and the hours it gives: "Rigor at its maximum, at least 2 h before the
        //: examination".
        return SignsWords::tr("%1, %2 before the examination")
            .arg(capitalized(findingPhrase(row)), boundWords(row));
    }
    case EvidenceKind::Nomogram:
        return weighedAt(scene, index).heading;
    case EvidenceKind::LastSeenAlive:
        return SignsWords::tr("Last seen alive");
    case EvidenceKind::Discovery:
        return SignsWords::tr("Found dead at %1").arg(clockText(scene.foundAt));
    }
    return QString();
}

// A few words for the curve's label: "eyelid", "nomogram".
QString pieceTag(const SignsScene &scene, std::size_t index)
{
    const Evidence &e = scene.evidence.at(index);
    switch (e.kind) {
    case EvidenceKind::Sign:
        return SignsWords::tr(wordsOf(signsOfDeath()[e.signRow].sign).tag);
    case EvidenceKind::Nomogram: {
        const MethodRecord::Weighed &weighed = weighedAt(scene, index);
        return scene.weighed.size() > 1 ? weighed.tagAmongOthers : weighed.tag;
    }
    case EvidenceKind::LastSeenAlive:
        //: A few words for the curve's label: what set an end of the interval.
        return SignsWords::tr("last seen");
    case EvidenceKind::Discovery:
        return SignsWords::tr("found");
    }
    return QString();
}

// Every piece that set an end, named: "the nomogram's 95 % limit and the
// discovery".
QString endNames(const SignsScene &scene, const IntervalEnd &end)
{
    QStringList names{pieceName(scene, end.setBy)};
    for (std::size_t also : end.alsoSetBy)
        names << pieceName(scene, also);
    const QString last = names.takeLast();
    //: The last of a list: "the nomogram's 95 % limit, rigor present and the discovery".
    return names.isEmpty()
               ? last
               : SignsWords::tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

QString endTags(const SignsScene &scene, const IntervalEnd &end)
{
    QStringList tags{pieceTag(scene, end.setBy)};
    for (std::size_t also : end.alsoSetBy)
        tags << pieceTag(scene, also);
    return tags.join(QStringLiteral(", "));
}

bool sets(const std::optional<IntervalEnd> &end, std::size_t piece)
{
    return end && (end->setBy == piece || std::find(end->alsoSetBy.begin(), end->alsoSetBy.end(),
                                                    piece) != end->alsoSetBy.end());
}

// The interval's ends in hours before discovery, where both are bounded.
std::optional<std::pair<IntervalEnd, IntervalEnd>> bothEnds(const SignsScene &scene)
{
    const std::optional<CompoundInterval> &interval = scene.result.interval;
    if (!interval || !interval->earliest || !interval->latest)
        return std::nullopt;
    return std::pair(*interval->earliest, *interval->latest);
}

} // namespace

QList<DeathSign> signsInOrder()
{
    QList<DeathSign> signs;
    for (const SignRow &row : signsOfDeath())
        if (!signs.contains(row.sign))
            signs.append(row.sign);
    return signs;
}

QString signName(DeathSign sign)
{
    return SignsWords::tr(wordsOf(sign).name);
}

QString findingName(SignFinding finding)
{
    switch (finding) {
    case SignFinding::Yes:
        return SignsWords::tr("Yes");
    case SignFinding::No:
        return SignsWords::tr("No");
    case SignFinding::GradeVI:
        return SignsWords::tr("Grade VI");
    case SignFinding::GradeV:
        return SignsWords::tr("Grade V");
    case SignFinding::GradeIV:
        return SignsWords::tr("Grade IV");
    case SignFinding::GradeIII:
        return SignsWords::tr("Grade III");
    case SignFinding::GradeII:
        return SignsWords::tr("Grade II");
    case SignFinding::GradeI:
        return SignsWords::tr("Grade I");
    case SignFinding::NoReaction:
        return SignsWords::tr("No reaction");
    }
    return QString();
}

QString boundWords(const SignRow &row)
{
    switch (row.kind) {
    case SignBoundKind::AtLeast:
        //: Hours since death at the examination: "at least 2 h".
        return SignsWords::tr("at least %1").arg(typedHours(row.fromHours));
    case SignBoundKind::AtMost:
        return SignsWords::tr("at most %1").arg(typedHours(row.toHours));
    case SignBoundKind::Between:
        //: Hours since death at the examination: "3.5 to 13 h".
        return SignsWords::tr("%1 to %2").arg(typedNumber(row.fromHours), typedHours(row.toHours));
    }
    return QString();
}

QString pickItem(const SignRow &row)
{
    //: A finding and the hours it gives: "Yes: at least 2 h".
    return SignsWords::tr("%1: %2").arg(findingName(row.finding), boundWords(row));
}

QString caveatText(SignCaveat caveat)
{
    switch (caveat) {
    case SignCaveat::None:
        break;
    case SignCaveat::RigorLate:
        return SignsWords::tr("Re-establishment was seen up to 20 h after death in about half of "
                              "67 sudden deaths (Crostack et al., Int J Legal Med 2017).");
    case SignCaveat::IrisUnreliable:
        return SignsWords::tr(
            "The iris tests were judged unreliable (Koehler et al., Int J Legal Med 2018).");
    case SignCaveat::GradesDoNotHold:
        return SignsWords::tr("The grades do not hold after a long illness (the times come out "
                              "too long), or after fatal hypothermia or with a haematoma of the "
                              "eyelid (too short).");
    }
    return QString();
}

QString signNote(DeathSign sign)
{
    QStringList sources;
    QStringList caveats;
    for (const SignRow &row : signsOfDeath()) {
        if (row.sign != sign)
            continue;
        // A row citing one table among others cites nothing new.
        const QString source = text(row.source);
        if (std::none_of(sources.begin(), sources.end(),
                         [&](const QString &known) { return known.contains(source); })) {
            sources.removeIf([&](const QString &known) { return source.contains(known); });
            sources.append(source);
        }
        if (row.caveat != SignCaveat::None && !caveats.contains(caveatText(row.caveat)))
            caveats.append(caveatText(row.caveat));
    }
    QString note = sources.join(QStringLiteral("; ")) + '.';
    if (!caveats.isEmpty())
        note += ' ' + caveats.join(' ');
    return note;
}

QList<DistributionSource> distributionsIn(const CaseRecord &record)
{
    QList<DistributionSource> sources;
    for (const MethodRecord &method : record.methods)
        if (method.distribution)
            sources.append({method.name, *method.distribution, method.prudent.has_value()});
    return sources;
}

QString conditionalSentence(ClockTime foundAt, const InvestigativeBounds &bounds,
                            const DistributionSource &source)
{
    const Result<ConditionalInterval> cut = conditionalWithin(source.estimate, bounds);
    if (!cut) {
        // To the second where the minute would be a bound's own, cut away
        // from the bounds: a time outside them is never shown as inside.
        const double mean = source.estimate.meanHours;
        QString mostLikely = moment(foundAt, mean);
        const auto minute = [&](double hoursBefore) {
            return minuteFromDiscovery(foundAt, -hoursBefore);
        };
        if (minute(mean) == minute(bounds.earliestHours) ||
            minute(mean) == minute(bounds.latestHours)) {
            const double seconds = mean * 3600.0;
            const double away =
                mean > bounds.earliestHours ? std::ceil(seconds) : std::floor(seconds);
            mostLikely = momentWithDiscoveryDay(foundAt, -away / 3600.0);
        }
        //: %1 a method ("Henssge's nomogram"); %2 its most likely time of death.
        return SignsWords::tr("%1 within the bounds: does not apply, as its most likely time, "
                              "%2, lies outside the hours between the last sighting alive and "
                              "the discovery (Hubig et al. 2014).")
            .arg(source.name, mostLikely);
    }
    QString sentence =
        //: %1 a method; %2 when it says death came within the bounds; %3 "95 %"; %4 the median
        //: time; %5 a share ("34 %"); %6 the standard deviation in hours.
        SignsWords::tr("%1 within the bounds: died %2 (%3), median %4; %5 of its distribution "
                       "lies between the last sighting alive and the discovery. This assumes a "
                       "normal error, its SD half the %3 limit (%6).")
            .arg(source.name, betweenWords(foundAt, cut->earliestHours, cut->latestHours),
                 percent(95), moment(foundAt, cut->medianHours),
                 percent(std::round(cut->shareWithin * 100.0)),
                 typedHours(source.estimate.sdHours));
    if (source.prudent)
        sentence += ' ' + SignsWords::tr("Its entries are uncertain: this uses the exact estimate, "
                                         "as the prudent interval is no distribution.");
    return sentence;
}

QString probabilitySentence(ClockTime foundAt, const InvestigativeBounds &bounds,
                            const DistributionSource &source, double fromHours, double toHours)
{
    const Result<double> p =
        conditionalProbabilityBetween(source.estimate, bounds, fromHours, toHours);
    if (!p)
        return QString();
    //: %1 when ("between 10:00 AM and 11:00 AM the day before discovery"); %2 a share ("34 %");
    //: %3 the method.
    return SignsWords::tr("Probability of death %1: %2 (%3, within the bounds).")
        .arg(betweenWords(foundAt, std::max(fromHours, toHours), std::min(fromHours, toHours)),
             percent(std::round(*p * 100.0)), source.name);
}

QString dayChoice(std::int64_t day)
{
    return discoveryDayWords(day * kSecondsPerDay);
}

QString signsSentence(const SignsScene &scene)
{
    const std::optional<Contradiction> &contradiction = scene.result.contradiction;
    if (contradiction) {
        const Evidence &early = scene.evidence.at(contradiction->noEarlierThan);
        const Evidence &late = scene.evidence.at(contradiction->noLaterThan);
        //: %1 and %3 two pieces of evidence ("rigor at its maximum (at least 2 h before the
        //: examination)"), %2 and %4 the times each puts death before or after.
        return SignsWords::tr("The evidence contradicts itself: %1 puts death no earlier than %2, "
                              "but %3 puts it no later than %4. No interval can be given: check "
                              "the findings, the times and the temperatures.")
            .arg(pieceName(scene, contradiction->noEarlierThan),
                 moment(scene.foundAt, *early.noEarlierThan),
                 pieceName(scene, contradiction->noLaterThan),
                 moment(scene.foundAt, *late.noLaterThan));
    }
    if (const auto ends = bothEnds(scene))
        //: %1 when ("between …"); %2 and %3 what set the earliest and the latest end.
        return SignsWords::tr("Died %1. Earliest: %2; latest: %3.")
            .arg(betweenWords(scene.foundAt, ends->first.hoursBeforeDiscovery,
                              ends->second.hoursBeforeDiscovery),
                 endNames(scene, ends->first), endNames(scene, ends->second));
    // The discovery always bounds the latest; nothing may bound the earliest.
    const IntervalEnd latest = *scene.result.interval->latest;
    return SignsWords::tr("Died no later than %1, set by %2; nothing entered bounds how early.")
        .arg(moment(scene.foundAt, latest.hoursBeforeDiscovery), endNames(scene, latest));
}

QStringList evidenceLines(const SignsScene &scene)
{
    const std::optional<CompoundInterval> &interval = scene.result.interval;
    QStringList lines;
    for (std::size_t i = 0; i < scene.evidence.size(); ++i) {
        //: A piece of evidence, then what it allows alone: "Last seen alive: died no earlier
        //: than 11:00 AM the day before discovery."
        QString line =
            SignsWords::tr("%1: died %2.")
                .arg(pieceHeading(scene, i), allows(scene.foundAt, scene.evidence.at(i)));
        const bool earliest = interval && sets(interval->earliest, i);
        const bool latest = interval && sets(interval->latest, i);
        if (earliest && latest)
            line += ' ' + SignsWords::tr("Sets both ends.");
        else if (earliest)
            line += ' ' + SignsWords::tr("Sets the earliest.");
        else if (latest)
            line += ' ' + SignsWords::tr("Sets the latest.");
        const std::optional<Contradiction> &contradiction = scene.result.contradiction;
        if (contradiction && (contradiction->noEarlierThan == i || contradiction->noLaterThan == i))
            line += ' ' + SignsWords::tr("Contradicted.");
        lines.append(line);
    }
    lines += scene.notWeighed;
    return lines;
}

namespace
{

// An end of the combined interval on the curve: its minute, and its day where
// the axis spans several days, for each end names its own.
QString endOnAxis(ClockTime foundAt, double hoursBefore, bool withDay)
{
    const std::optional<std::int64_t> minute = minuteFromDiscovery(foundAt, -hoursBefore);
    if (!minute)
        return momentText(foundAt, -hoursBefore, true);
    const std::int64_t day = dayFromDiscovery(foundAt, -hoursBefore).value_or(0);
    //: A time of day and its day: "4:15 PM, the day before".
    return withDay && day != 0 ? SignsWords::tr("%1, %2").arg(minuteClock(*minute), dayWords(day))
                               : minuteClock(*minute);
}

// The label at the combination's interval on the curve, each end with what
// set it: "Combined: 4:15 PM (rigor) to 7:15 PM (nomogram)"; none where
// nothing bounds how early.
std::function<QString(ClockTime, bool, bool)> combinedLabel(const SignsScene &scene)
{
    const auto ends = bothEnds(scene);
    if (!ends)
        return [](ClockTime, bool, bool) { return QString(); };
    const ClockTime foundAt = scene.foundAt;
    const double earliest = ends->first.hoursBeforeDiscovery;
    const double latest = ends->second.hoursBeforeDiscovery;
    const QString earliestTag = endTags(scene, ends->first);
    const QString latestTag = endTags(scene, ends->second);
    return [=](ClockTime, bool withDay, bool) {
        //: The label at the combined interval: each end with what set it ("Combined: 4:15 PM
        //: (rigor) to 7:15 PM (nomogram)").
        return SignsWords::tr("Combined: %1 (%2) to %3 (%4)")
            .arg(endOnAxis(foundAt, earliest, withDay), earliestTag,
                 endOnAxis(foundAt, latest, withDay), latestTag);
    };
}

// The case sheet's section: when the body was examined, each sign found with
// its source and caveat, the last sighting, then what the record says and,
// where a last sighting bounds the death, each distribution cut to it.
SheetSection signsSection(const SignsScene &scene, const QString &sentence,
                          const QStringList &lines)
{
    const ClockTime foundAt = scene.foundAt;
    SheetSection section{SignsWords::tr("Signs of death")};
    section.rows.append({SignsWords::tr("Examined at:"), moment(foundAt, -scene.examinedHours)});
    for (const Evidence &e : scene.evidence) {
        if (e.kind != EvidenceKind::Sign)
            continue;
        const SignRow &row = signsOfDeath()[e.signRow];
        //: A finding and the publication it comes from: "Yes: at least 2 h (Henssge et al.…)".
        QString value = SignsWords::tr("%1 (%2)").arg(pickItem(row), text(row.source));
        if (row.caveat != SignCaveat::None)
            value += ' ' + caveatText(row.caveat);
        section.rows.append({labelOf(signName(row.sign)), value});
    }
    section.rows.append({SignsWords::tr("Last seen alive:"),
                         scene.lastSeenHours ? moment(foundAt, -*scene.lastSeenHours)
                                             : SignsWords::tr("not entered")});
    section.paragraphs = QStringList{sentence};
    if (scene.lastSeenHours)
        for (const DistributionSource &source : scene.distributions)
            section.paragraphs.append(conditionalSentence(
                foundAt, InvestigativeBounds{-*scene.lastSeenHours, 0.0}, source));
    section.paragraphs += lines;
    return section;
}

} // namespace

MethodRecord signsRecord(const SignsScene &scene, const QList<CaseEntry> &entries)
{
    MethodResult result;
    const auto ends = bothEnds(scene);
    if (ends) {
        const double earliest = ends->first.hoursBeforeDiscovery;
        const double latest = ends->second.hoursBeforeDiscovery;
        result.hoursSinceDeath = (earliest + latest) / 2.0;
        result.spreadHours = (earliest - latest) / 2.0;
    }
    const QString sentence = signsSentence(scene);
    const QStringList lines = evidenceLines(scene);
    MethodRecord record{
        kSignsKey,
        SignsWords::tr("Signs of death, combined"),
        entries,
        result,
        clockTimeAfter(scene.foundAt, -result.hoursSinceDeath).value_or(scene.foundAt),
        sentence,
        lines};
    // Told apart without colour: cross-hatched, in ink, between brackets.
    record.look = {Qt::NoPen, false, Qt::DiagCrossPattern, CurveLook::Mark::Square};
    record.namedAlone = true;
    record.intervalInView = true;
    record.intervalEndsAtDiscovery = true;
    record.wordsNameTheRoom = false;
    record.combinesOthers = true;
    record.deathLabel = combinedLabel(scene);
    record.inWords = [sentence](ClockTime, bool, bool) {
        //: In the curve's summary; %1 the combination's sentence.
        return SignsWords::tr("Signs of death combined, cross-hatched between brackets: %1")
            .arg(sentence);
    };
    record.sheet = {signsSection(scene, sentence, lines)};
    return record;
}

} // namespace quorrel::ui
