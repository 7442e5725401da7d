// The signs of death in a case file: what was combined and what the window
// held, each as the object it reads and writes, the findings by stable ids.
#include "casefile.h"
#include "caseholder.h"
#include "casemethods.h"
#include "signs.h"
#include "signscase.h"
#include "signstext.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <span>

namespace quorrel::ui
{
namespace
{

class SignsFileWords
{
    Q_DECLARE_TR_FUNCTIONS(SignsFileWords)
};

const QString kExaminedAt = QStringLiteral("examinedAt");
const QString kExaminedDay = QStringLiteral("examinedDay");
const QString kLastSeenAt = QStringLiteral("lastSeenAt");
const QString kLastSeenDay = QStringLiteral("lastSeenDay");
const QString kFindings = QStringLiteral("findings");
// The days the window's picks offer either side of the discovery.
constexpr int kFurthestDay = 30;

QString signKey(DeathSign sign)
{
    switch (sign) {
    case DeathSign::LividityVisible:
        return QStringLiteral("lividityVisible");
    case DeathSign::LividityConfluent:
        return QStringLiteral("lividityConfluent");
    case DeathSign::LividityMaximal:
        return QStringLiteral("lividityMaximal");
    case DeathSign::LividityVanishesUnderThumbPressure:
        return QStringLiteral("lividityVanishesUnderThumbPressure");
    case DeathSign::LividityShiftsCompletelyWhenTurned:
        return QStringLiteral("lividityShiftsCompletelyWhenTurned");
    case DeathSign::LividityShiftsInPartWhenTurned:
        return QStringLiteral("lividityShiftsInPartWhenTurned");
    case DeathSign::RigorPresent:
        return QStringLiteral("rigorPresent");
    case DeathSign::RigorMaximal:
        return QStringLiteral("rigorMaximal");
    case DeathSign::RigorReestablishedAfterBreaking:
        return QStringLiteral("rigorReestablishedAfterBreaking");
    case DeathSign::RigorResolving:
        return QStringLiteral("rigorResolving");
    case DeathSign::RigorResolved:
        return QStringLiteral("rigorResolved");
    case DeathSign::MechanicalWholeMuscleContraction:
        return QStringLiteral("mechanicalWholeMuscleContraction");
    case DeathSign::MechanicalIdiomuscularBulge:
        return QStringLiteral("mechanicalIdiomuscularBulge");
    case DeathSign::ElectricalEyelid:
        return QStringLiteral("electricalEyelid");
    case DeathSign::ElectricalCornerOfMouth:
        return QStringLiteral("electricalCornerOfMouth");
    case DeathSign::IrisTropicamide:
        return QStringLiteral("irisTropicamide");
    case DeathSign::IrisAcetylcholine:
        return QStringLiteral("irisAcetylcholine");
    }
    return QString();
}

QString findingKey(SignFinding finding)
{
    switch (finding) {
    case SignFinding::Yes:
        return QStringLiteral("yes");
    case SignFinding::No:
        return QStringLiteral("no");
    case SignFinding::GradeVI:
        return QStringLiteral("gradeVI");
    case SignFinding::GradeV:
        return QStringLiteral("gradeV");
    case SignFinding::GradeIV:
        return QStringLiteral("gradeIV");
    case SignFinding::GradeIII:
        return QStringLiteral("gradeIII");
    case SignFinding::GradeII:
        return QStringLiteral("gradeII");
    case SignFinding::GradeI:
        return QStringLiteral("gradeI");
    case SignFinding::NoReaction:
        return QStringLiteral("noReaction");
    }
    return QString();
}

// The row of the table a finding names; none where this Quorrel has none.
std::optional<std::size_t> rowNamed(const QString &sign, const QString &finding)
{
    const std::span<const SignRow> rows = signsOfDeath();
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (signKey(rows[row].sign) == sign && findingKey(rows[row].finding) == finding)
            return row;
    return std::nullopt;
}

SignsEntries readSigns(FileMembers &members, const QJsonObject &signs, const QString &where)
{
    SignsEntries entries;
    entries.examinedAt = members.typed(signs, kExaminedAt, where);
    entries.examinedDay = members.whole(signs, kExaminedDay, where, -kFurthestDay, kFurthestDay);
    entries.lastSeenAt = members.typed(signs, kLastSeenAt, where);
    entries.lastSeenDay = members.whole(signs, kLastSeenDay, where, -kFurthestDay, kFurthestDay);
    const QJsonValue findings = signs.value(kFindings);
    //: What a member of the file should be; the example is written as the file holds it.
    const QString should = SignsFileWords::tr("a list of findings such as {\"sign\": "
                                              "\"rigorPresent\", \"finding\": \"yes\"}");
    if (!findings.isUndefined() && !findings.isArray())
        members.wrong(where, kFindings, should, findings);
    QList<DeathSign> found;
    for (const QJsonValue &finding : findings.toArray()) {
        if (!finding.isObject()) {
            members.wrong(where, kFindings, should, finding);
            break;
        }
        const QString inFinding = inside(where, kFindings);
        const QString sign = members.text(finding.toObject(), QStringLiteral("sign"), inFinding);
        const QString what = members.text(finding.toObject(), QStringLiteral("finding"), inFinding);
        const std::optional<std::size_t> row = rowNamed(sign, what);
        // A sign this Quorrel does not know is evidence it cannot weigh:
        // better refused than dropped.
        if (!row) {
            members.wrongValue(inFinding, sign + ' ' + what,
                               SignsFileWords::tr("a sign and finding this Quorrel knows"));
            break;
        }
        // One finding a sign, as the window takes them.
        if (found.contains(signsOfDeath()[*row].sign)) {
            members.wrongValue(inFinding, sign, SignsFileWords::tr("given once"));
            break;
        }
        found.append(signsOfDeath()[*row].sign);
        entries.rows.append(*row);
    }
    return entries;
}

void checkSigns(FileMembers &members, const QJsonObject &object, const QString &where,
                bool estimated)
{
    const SignsEntries entries = readSigns(members, object, where);
    // What was combined was made of times of day.
    if (estimated && members.problem.isEmpty() && !signsChoiceFrom(entries))
        members.wrongValue(where, kExaminedAt,
                           //: What a member of the file should be; the time and the
                           //: member's name are written as the file holds them.
                           SignsFileWords::tr("a time of day such as \"12:00:00 AM\", and so "
                                              "should \"lastSeenAt\" where it is given"));
}

QString remakeSigns(const QJsonObject &estimatedWith, const NumberLocale &, CaseHolder &holder)
{
    const std::optional<SignsChoice> choice = signsChoiceFrom(signsEntriesIn(estimatedWith));
    if (!choice)
        return QString();
    const SignsOutcome combined = combineSignsCase(holder.entries(), *choice, holder.record());
    if (!combined.record)
        //: %1 is why the combination cannot be made again from the file.
        return SignsFileWords::tr("The signs of death: %1")
            .arg(signsRefusalText(combined.problem, *choice, holder.entries()));
    holder.publish(*combined.record);
    return QString();
}

} // namespace

SignsEntries signsEntriesIn(const QJsonObject &object)
{
    FileMembers members;
    return readSigns(members, object, QString());
}

QJsonObject signsObject(const SignsEntries &signs)
{
    QJsonArray findings;
    for (std::size_t row : signs.rows) {
        if (row >= signsOfDeath().size())
            continue;
        const SignRow &sign = signsOfDeath()[row];
        findings.append(QJsonObject{{QStringLiteral("sign"), signKey(sign.sign)},
                                    {QStringLiteral("finding"), findingKey(sign.finding)}});
    }
    return {{kExaminedAt, signs.examinedAt},
            {kExaminedDay, qint64(signs.examinedDay)},
            {kLastSeenAt, signs.lastSeenAt},
            {kLastSeenDay, qint64(signs.lastSeenDay)},
            {kFindings, findings}};
}

std::optional<SignsEntries> signsWindowEntries(const CaseHolder &holder)
{
    const QJsonObject kept = holder.windowEntries(kSignsKey);
    if (kept.isEmpty())
        return std::nullopt;
    return signsEntriesIn(kept);
}

void keepSignsWindowEntries(CaseHolder &holder, const SignsEntries &entries, bool edited)
{
    holder.setWindowEntries(kSignsKey, signsObject(entries), edited);
}

CaseMethod signsCaseMethod()
{
    CaseMethod method{kSignsKey, kSignsKey};
    method.knownMembers = [](const QString &path) -> std::optional<QStringList> {
        if (path.isEmpty())
            return QStringList{kExaminedAt, kExaminedDay, kLastSeenAt, kLastSeenDay, kFindings};
        // The sign first: it tells one finding from another.
        if (path == kFindings + QStringLiteral("[]"))
            return QStringList{QStringLiteral("sign"), QStringLiteral("finding")};
        return std::nullopt;
    };
    method.check = checkSigns;
    method.remake = remakeSigns;
    method.showEntries = [](const QJsonObject &entries, const NumberLocale &, CaseHolder &holder) {
        holder.replaceWindowEntries(kSignsKey, entries);
    };
    return method;
}

} // namespace quorrel::ui
