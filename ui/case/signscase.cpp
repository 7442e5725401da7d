#include "signscase.h"

#include "compound.h"
#include "signs.h"
#include "signstext.h"
#include "wording.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace quorrel::ui
{
namespace
{

class SignsCaseWords
{
    Q_DECLARE_TR_FUNCTIONS(SignsCaseWords)
};

CaseEntry momentEntry(const QString &label, std::optional<DayClock> at)
{
    if (!at)
        return {label, QString(), QString()};
    return {label, QString::fromStdString(formatClockTime(at->time)), dayChoice(at->day)};
}

// Every interval another method states, as the compound method weighs it:
// a nomogram's reading was taken when the body was found.
void weighOthers(const CaseRecord &others, SignsScene &scene)
{
    for (const MethodRecord &method : others.methods) {
        if (method.weighed) {
            Evidence interval;
            interval.kind = EvidenceKind::Nomogram;
            interval.noEarlierThan = method.weighed->hours.earliest;
            interval.noLaterThan = method.weighed->hours.latest;
            scene.evidence.push_back(interval);
            scene.weighed.append(*method.weighed);
        } else if (!method.notWeighed.isEmpty()) {
            scene.notWeighed.append(method.notWeighed);
        }
    }
}

// The combination for the case the other methods made; none where an hour
// is beyond counting.
std::optional<MethodRecord> signsMethod(ClockTime foundAt, const SignsChoice &choice,
                                        const CaseRecord &others)
{
    SignsScene scene{foundAt, hoursFromDiscovery(foundAt, choice.examinedAt)};
    weighOthers(others, scene);
    QList<CaseEntry> entries{momentEntry(SignsCaseWords::tr("Examined at"), choice.examinedAt),
                             momentEntry(SignsCaseWords::tr("Last seen alive"), choice.lastSeenAt)};
    for (std::size_t row : choice.rows) {
        const Result<Evidence> sign = signEvidence(row, scene.examinedHours);
        if (!sign)
            continue;
        scene.evidence.push_back(*sign);
        const SignRow &signRow = signsOfDeath()[row];
        entries.append({signName(signRow.sign), pickItem(signRow), QString()});
    }
    if (choice.lastSeenAt) {
        scene.lastSeenHours = hoursFromDiscovery(foundAt, *choice.lastSeenAt);
        scene.evidence.push_back(lastSeenAliveEvidence(-*scene.lastSeenHours));
    }
    scene.evidence.push_back(discoveryEvidence());
    scene.distributions = distributionsIn(others);
    const Result<CompoundResult> combined = combineEvidence(scene.evidence);
    if (!combined)
        return std::nullopt;
    scene.result = *combined;
    MethodRecord record = signsRecord(scene, entries);
    record.madeWith = signsObject(signsEntriesOf(choice));
    // Made again whenever the case is published: a new estimate of the
    // nomogram moves its interval. Another time found is another case.
    record.remake = [foundAt, choice](const CaseRecord &case_) -> std::optional<MethodRecord> {
        if (case_.foundAt != foundAt)
            return std::nullopt;
        return signsMethod(foundAt, choice, case_);
    };
    return record;
}

} // namespace

QString signsRefusalText(SignsProblem problem, const SignsChoice &choice,
                         const CaseEntries &entries)
{
    const auto words = [](DayClock at) {
        //: A moment: %1 is a time of day, %2 its day ("the day before discovery").
        return SignsCaseWords::tr("%1 %2").arg(QString::fromStdString(formatClockTime(at.time)),
                                               dayChoice(at.day));
    };
    const QString found =
        entries.foundAt ? QString::fromStdString(formatClockTime(*entries.foundAt)) : QString();
    switch (problem) {
    case SignsProblem::None:
        break;
    case SignsProblem::NoTimeFound:
        return noTimeFoundText();
    case SignsProblem::ExaminedBeforeDiscovery:
        //: %1 is a time of day with its day, %2 a time of day.
        return SignsCaseWords::tr("The examination, at %1, comes before the body was found, at "
                                  "%2 the day of discovery. Enter a time at or after it.")
            .arg(words(choice.examinedAt), found);
    case SignsProblem::SeenAfterDiscovery:
        //: %1 is a time of day with its day, %2 a time of day.
        return SignsCaseWords::tr("The last sighting alive, at %1, comes after the body was "
                                  "found, at %2 the day of discovery. Enter a time before it, or "
                                  "leave it empty.")
            .arg(words(choice.lastSeenAt.value_or(DayClock{})), found);
    }
    return QString();
}

double hoursFromDiscovery(ClockTime foundAt, DayClock at)
{
    return (double(at.day) * kSecondsPerDay + at.time.seconds - foundAt.seconds) / 3600.0;
}

SignsOutcome combineSignsCase(const CaseEntries &entries, const SignsChoice &choice,
                              const std::optional<CaseRecord> &current)
{
    if (!entries.foundAt)
        return {SignsProblem::NoTimeFound, std::nullopt};
    const ClockTime foundAt = *entries.foundAt;
    if (hoursFromDiscovery(foundAt, choice.examinedAt) < 0)
        return {SignsProblem::ExaminedBeforeDiscovery, std::nullopt};
    if (choice.lastSeenAt && hoursFromDiscovery(foundAt, *choice.lastSeenAt) > 0)
        return {SignsProblem::SeenAfterDiscovery, std::nullopt};
    CaseRecord joined = current && current->foundAt == foundAt ? *current : CaseRecord{foundAt, {}};
    joined.methods.removeIf([](const MethodRecord &method) { return method.key == kSignsKey; });
    CaseRecord others = joined;
    others.methods.removeIf([](const MethodRecord &method) { return bool(method.remake); });
    const std::optional<MethodRecord> signs = signsMethod(foundAt, choice, others);
    if (signs)
        joined.methods.append(*signs);
    return {SignsProblem::None, joined};
}

std::optional<ClockTime> clockOf(const QString &typed)
{
    QString text = typed.trimmed().toUpper();
    static const QRegularExpression minutesOnly(QStringLiteral("^(\\d{1,2}:\\d{1,2}) (AM|PM)$"));
    const QRegularExpressionMatch match = minutesOnly.match(text);
    if (match.hasMatch())
        text = match.captured(1) + QStringLiteral(":00 ") + match.captured(2);
    const Result<ClockTime> time = parseClockTime(text.toStdString());
    return time ? std::optional(*time) : std::nullopt;
}

SignsEntries signsEntriesOf(const SignsChoice &choice)
{
    SignsEntries entries{QString::fromStdString(formatClockTime(choice.examinedAt.time)),
                         choice.examinedAt.day, QString(), 0, choice.rows};
    if (choice.lastSeenAt) {
        entries.lastSeenAt = QString::fromStdString(formatClockTime(choice.lastSeenAt->time));
        entries.lastSeenDay = choice.lastSeenAt->day;
    }
    return entries;
}

std::optional<SignsChoice> signsChoiceFrom(const SignsEntries &entries)
{
    const std::optional<ClockTime> examined = clockOf(entries.examinedAt);
    if (!examined)
        return std::nullopt;
    SignsChoice choice{{*examined, entries.examinedDay}, std::nullopt, entries.rows};
    if (!entries.lastSeenAt.trimmed().isEmpty()) {
        const std::optional<ClockTime> seen = clockOf(entries.lastSeenAt);
        if (!seen)
            return std::nullopt;
        choice.lastSeenAt = DayClock{*seen, entries.lastSeenDay};
    }
    return choice;
}

std::optional<SignsChoice> signsChoiceOf(const CaseRecord &record)
{
    const MethodRecord *signs = record.method(kSignsKey);
    if (!signs || signs->madeWith.isEmpty())
        return std::nullopt;
    return signsChoiceFrom(signsEntriesIn(signs->madeWith));
}

} // namespace quorrel::ui
