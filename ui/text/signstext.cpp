#include "signstext.h"

#include "curve.h"
#include "wording.h"

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

struct SignWords {
    DeathSign sign;
    const char *name; // the pick's name
    const char *yes;  // the finding "yes" in a sentence
    const char *no;   // the finding "no"
    const char *tag;  // a word or two for the curve's label
};

constexpr SignWords kSignWords[] = {
    {DeathSign::LividityVisible, "Lividity visible", "lividity visible", "no lividity visible",
     "lividity"},
    {DeathSign::LividityConfluent, "Lividity confluent", "lividity confluent",
     "lividity not confluent", "lividity"},
    {DeathSign::LividityMaximal, "Lividity at its maximum", "lividity at its maximum",
     "lividity not at its maximum", "lividity"},
    {DeathSign::LividityVanishesUnderThumbPressure,
     "Lividity vanishes completely under thumb pressure",
     "lividity vanishing completely under thumb pressure",
     "lividity not vanishing completely under thumb pressure", "lividity"},
    {DeathSign::LividityShiftsCompletelyWhenTurned,
     "Lividity shifts completely when the body is turned",
     "lividity shifting completely when the body is turned",
     "lividity not shifting completely when the body is turned", "lividity"},
    {DeathSign::LividityShiftsInPartWhenTurned, "Lividity shifts in part when the body is turned",
     "lividity shifting in part when the body is turned",
     "lividity not shifting even in part when the body is turned", "lividity"},
    {DeathSign::RigorPresent, "Rigor present", "rigor present", "no rigor", "rigor"},
    {DeathSign::RigorMaximal, "Rigor at its maximum", "rigor at its maximum",
     "rigor not at its maximum", "rigor"},
    {DeathSign::RigorReestablishedAfterBreaking, "Rigor re-established after it was broken",
     "rigor re-established after it was broken", "rigor not re-established after it was broken",
     "rigor"},
    {DeathSign::RigorResolving, "Rigor resolving", "rigor resolving", "rigor not resolving",
     "rigor"},
    {DeathSign::RigorResolved, "Rigor resolved", "rigor resolved", "rigor not resolved", "rigor"},
    {DeathSign::MechanicalWholeMuscleContraction,
     "Mechanical excitability: whole-muscle contraction (Zsako)",
     "a whole-muscle contraction on a tap (Zsako)", "no whole-muscle contraction on a tap",
     "muscle tap"},
    {DeathSign::MechanicalIdiomuscularBulge, "Mechanical excitability: idiomuscular bulge",
     "an idiomuscular bulge on a tap", "no idiomuscular bulge on a tap", "muscle tap"},
    {DeathSign::ElectricalEyelid, "Electrical excitability of the eyelid",
     "the eyelid's electrical reaction", "no electrical reaction of the eyelid", "eyelid"},
    {DeathSign::ElectricalCornerOfMouth, "Electrical excitability of the corner of the mouth",
     "an electrical reaction at the corner of the mouth",
     "no electrical reaction at the corner of the mouth", "mouth"},
    {DeathSign::IrisTropicamide, "Chemical excitability of the iris: tropicamide",
     "the iris reacting to tropicamide", "the iris not reacting to tropicamide", "iris"},
    {DeathSign::IrisAcetylcholine, "Chemical excitability of the iris: acetylcholine",
     "the iris reacting to acetylcholine", "the iris not reacting to acetylcholine", "iris"},
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

QString hoursText(double hours)
{
    return typedNumber(hours) + QStringLiteral(" h");
}

// The finding in a sentence: "rigor at its maximum", "the eyelid's
// electrical reaction at grade III".
QString findingPhrase(const SignRow &row)
{
    const SignWords &words = wordsOf(row.sign);
    switch (row.finding) {
    case SignFinding::Yes:
        return QString::fromUtf8(words.yes);
    case SignFinding::No:
    case SignFinding::NoReaction:
        return QString::fromUtf8(words.no);
    default:
        // "grade III": the numeral stays upper case.
        QString grade = findingName(row.finding);
        grade[0] = grade[0].toLower();
        return QString::fromUtf8(words.yes) + QStringLiteral(" at ") + grade;
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
    return at ? minuteClock(*at) + ' ' + discoveryDayWords(*at)
              : momentText(foundAt, -hoursBefore, true);
}

// Two moments, their day named once where they share it.
QString betweenWords(ClockTime foundAt, double earliest, double latest)
{
    const std::optional<std::int64_t> from = minuteFromDiscovery(foundAt, -earliest);
    const std::optional<std::int64_t> to = minuteFromDiscovery(foundAt, -latest);
    // Narrower than a minute: one time, not a span from it to itself.
    if (from && to && *from == *to)
        return QStringLiteral("at about %1 %2").arg(minuteClock(*from), discoveryDayWords(*from));
    if (from && to && discoveryDayWords(*from) == discoveryDayWords(*to))
        return QStringLiteral("between %1 and %2 %3")
            .arg(minuteClock(*from), minuteClock(*to), discoveryDayWords(*to));
    return QStringLiteral("between %1 and %2")
        .arg(moment(foundAt, earliest), moment(foundAt, latest));
}

// What a piece of evidence allows alone: "between …", "no earlier than …".
QString allows(ClockTime foundAt, const Evidence &e)
{
    if (e.noEarlierThan && e.noLaterThan)
        return betweenWords(foundAt, *e.noEarlierThan, *e.noLaterThan);
    if (e.noEarlierThan)
        return QStringLiteral("no earlier than ") + moment(foundAt, *e.noEarlierThan);
    if (e.noLaterThan)
        return QStringLiteral("no later than ") + moment(foundAt, *e.noLaterThan);
    return QStringLiteral("any time");
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
        return QStringLiteral("%1 (%2 before the examination)")
            .arg(findingPhrase(row), boundWords(row));
    }
    case EvidenceKind::Nomogram: {
        const MethodRecord::Weighed &weighed = weighedAt(scene, index);
        return scene.weighed.size() > 1 ? weighed.nameAmongOthers : weighed.name;
    }
    case EvidenceKind::LastSeenAlive:
        return QStringLiteral("the last sighting alive");
    case EvidenceKind::Discovery:
        return QStringLiteral("the discovery");
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
        return QStringLiteral("%1, %2 before the examination")
            .arg(capitalized(findingPhrase(row)), boundWords(row));
    }
    case EvidenceKind::Nomogram:
        return weighedAt(scene, index).heading;
    case EvidenceKind::LastSeenAlive:
        return QStringLiteral("Last seen alive");
    case EvidenceKind::Discovery:
        return QStringLiteral("Found dead at ") + clockText(scene.foundAt);
    }
    return QString();
}

// A few words for the curve's label: "eyelid", "nomogram".
QString pieceTag(const SignsScene &scene, std::size_t index)
{
    const Evidence &e = scene.evidence.at(index);
    switch (e.kind) {
    case EvidenceKind::Sign:
        return QString::fromUtf8(wordsOf(signsOfDeath()[e.signRow].sign).tag);
    case EvidenceKind::Nomogram: {
        const MethodRecord::Weighed &weighed = weighedAt(scene, index);
        return scene.weighed.size() > 1 ? weighed.tagAmongOthers : weighed.tag;
    }
    case EvidenceKind::LastSeenAlive:
        return QStringLiteral("last seen");
    case EvidenceKind::Discovery:
        return QStringLiteral("found");
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
    return names.isEmpty() ? last
                           : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
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
    return QString::fromUtf8(wordsOf(sign).name);
}

QString findingName(SignFinding finding)
{
    switch (finding) {
    case SignFinding::Yes:
        return QStringLiteral("Yes");
    case SignFinding::No:
        return QStringLiteral("No");
    case SignFinding::GradeVI:
        return QStringLiteral("Grade VI");
    case SignFinding::GradeV:
        return QStringLiteral("Grade V");
    case SignFinding::GradeIV:
        return QStringLiteral("Grade IV");
    case SignFinding::GradeIII:
        return QStringLiteral("Grade III");
    case SignFinding::GradeII:
        return QStringLiteral("Grade II");
    case SignFinding::GradeI:
        return QStringLiteral("Grade I");
    case SignFinding::NoReaction:
        return QStringLiteral("No reaction");
    }
    return QString();
}

QString boundWords(const SignRow &row)
{
    switch (row.kind) {
    case SignBoundKind::AtLeast:
        return QStringLiteral("at least ") + hoursText(row.fromHours);
    case SignBoundKind::AtMost:
        return QStringLiteral("at most ") + hoursText(row.toHours);
    case SignBoundKind::Between:
        return QStringLiteral("%1 to %2").arg(typedNumber(row.fromHours), hoursText(row.toHours));
    }
    return QString();
}

QString pickItem(const SignRow &row)
{
    return findingName(row.finding) + QStringLiteral(": ") + boundWords(row);
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
        if (!row.caveat.empty() && !caveats.contains(text(row.caveat)))
            caveats.append(text(row.caveat));
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
        if (mostLikely == moment(foundAt, bounds.earliestHours) ||
            mostLikely == moment(foundAt, bounds.latestHours)) {
            const double seconds = mean * 3600.0;
            const double away =
                mean > bounds.earliestHours ? std::ceil(seconds) : std::floor(seconds);
            mostLikely = momentWithDiscoveryDay(foundAt, -away / 3600.0);
        }
        return QStringLiteral("%1 within the bounds: does not apply, as its most likely time, "
                              "%2, lies outside the hours between the last sighting alive and "
                              "the discovery (Hubig et al. 2014).")
            .arg(source.name, mostLikely);
    }
    QString sentence =
        QStringLiteral("%1 within the bounds: died %2 (%3), median %4; %5 of its distribution "
                       "lies between the last sighting alive and the discovery. This assumes a "
                       "normal error, its SD half the %3 limit (%6).")
            .arg(source.name, betweenWords(foundAt, cut->earliestHours, cut->latestHours),
                 percent(95), moment(foundAt, cut->medianHours),
                 percent(std::round(cut->shareWithin * 100.0)), hoursText(source.estimate.sdHours));
    if (source.prudent)
        sentence += QStringLiteral(" Its entries are uncertain: this uses the exact estimate, as "
                                   "the prudent interval is no distribution.");
    return sentence;
}

QString probabilitySentence(ClockTime foundAt, const InvestigativeBounds &bounds,
                            const DistributionSource &source, double fromHours, double toHours)
{
    const Result<double> p =
        conditionalProbabilityBetween(source.estimate, bounds, fromHours, toHours);
    if (!p)
        return QString();
    return QStringLiteral("Probability of death %1: %2 (%3, within the bounds).")
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
        return QStringLiteral("The evidence contradicts itself: %1 puts death no earlier than %2, "
                              "but %3 puts it no later than %4. No interval can be given: check "
                              "the findings, the times and the temperatures.")
            .arg(pieceName(scene, contradiction->noEarlierThan),
                 moment(scene.foundAt, *early.noEarlierThan),
                 pieceName(scene, contradiction->noLaterThan),
                 moment(scene.foundAt, *late.noLaterThan));
    }
    if (const auto ends = bothEnds(scene))
        return QStringLiteral("Died %1. Earliest: %2; latest: %3.")
            .arg(betweenWords(scene.foundAt, ends->first.hoursBeforeDiscovery,
                              ends->second.hoursBeforeDiscovery),
                 endNames(scene, ends->first), endNames(scene, ends->second));
    // The discovery always bounds the latest; nothing may bound the earliest.
    const IntervalEnd latest = *scene.result.interval->latest;
    return QStringLiteral("Died no later than %1, set by %2; nothing entered bounds how early.")
        .arg(moment(scene.foundAt, latest.hoursBeforeDiscovery), endNames(scene, latest));
}

QStringList evidenceLines(const SignsScene &scene)
{
    const std::optional<CompoundInterval> &interval = scene.result.interval;
    QStringList lines;
    for (std::size_t i = 0; i < scene.evidence.size(); ++i) {
        QString line = pieceHeading(scene, i) + QStringLiteral(": died ") +
                       allows(scene.foundAt, scene.evidence.at(i)) + '.';
        const bool earliest = interval && sets(interval->earliest, i);
        const bool latest = interval && sets(interval->latest, i);
        if (earliest && latest)
            line += QStringLiteral(" Sets both ends.");
        else if (earliest)
            line += QStringLiteral(" Sets the earliest.");
        else if (latest)
            line += QStringLiteral(" Sets the latest.");
        const std::optional<Contradiction> &contradiction = scene.result.contradiction;
        if (contradiction && (contradiction->noEarlierThan == i || contradiction->noLaterThan == i))
            line += QStringLiteral(" Contradicted.");
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
    return withDay && day != 0 ? minuteClock(*minute) + QStringLiteral(", ") + dayWords(day)
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
        return QStringLiteral("Combined: %1 (%2) to %3 (%4)")
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
    SheetSection section{QStringLiteral("Signs of death")};
    section.rows.append({QStringLiteral("Examined at:"), moment(foundAt, -scene.examinedHours)});
    for (const Evidence &e : scene.evidence) {
        if (e.kind != EvidenceKind::Sign)
            continue;
        const SignRow &row = signsOfDeath()[e.signRow];
        QString value = pickItem(row) + QStringLiteral(" (") + text(row.source) + ')';
        if (!row.caveat.empty())
            value += ' ' + text(row.caveat);
        section.rows.append({signName(row.sign) + ':', value});
    }
    section.rows.append({QStringLiteral("Last seen alive:"),
                         scene.lastSeenHours ? moment(foundAt, -*scene.lastSeenHours)
                                             : QStringLiteral("not entered")});
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
        QStringLiteral("Signs of death, combined"),
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
        return QStringLiteral("Signs of death combined, cross-hatched between brackets: ") +
               sentence;
    };
    record.sheet = {signsSection(scene, sentence, lines)};
    return record;
}

} // namespace quorrel::ui
