// Henssge's nomogram in a case file: what its estimate was made with and
// what its window held, each as the object it reads and writes.
#include "casefile.h"
#include "caseholder.h"
#include "casemethods.h"
#include "henssgecase.h"
#include "henssgetext.h"
#include "wording.h"

#include <QCoreApplication>

#include <utility>

namespace quorrel::ui
{
namespace
{

class HenssgeFileWords
{
    Q_DECLARE_TR_FUNCTIONS(HenssgeFileWords)
};

const QString kMass = QStringLiteral("mass");
const QString kMassUnit = QStringLiteral("massUnit");
const QString kCondition = QStringLiteral("condition");
const QString kFactor = QStringLiteral("factor");
const QString kFactorForThisMass = QStringLiteral("factorForThisMass");
// The ± as estimated, and as typed while the entries are taken as exact.
const QString kRoomPm = QStringLiteral("roomTemperatureUncertainty");
const QString kMassPm = QStringLiteral("massUncertainty");
const QString kFactorPm = QStringLiteral("factorUncertainty");
const QString kRoomPmAside = QStringLiteral("roomTemperatureUncertaintySetAside");
const QString kMassPmAside = QStringLiteral("massUncertaintySetAside");
const QString kFactorPmAside = QStringLiteral("factorUncertaintySetAside");

// The condition's id; the first format kept the row as the pick list showed
// it ("Dry, naked, still air: 1.0"), which still opens. That format was
// written in English only, whatever the language shown now.
QString conditionIdOf(const QString &kept)
{
    if (kept == QStringLiteral("Other\u2026"))
        return kOtherConditionId;
    for (const HenssgeCondition &condition : henssgeConditions())
        if (kept.startsWith(condition.name + QStringLiteral(": ")))
            return condition.id;
    return kept;
}

HenssgeChoice readChoice(FileMembers &members, const QJsonObject &henssge, const QString &where)
{
    HenssgeChoice choice;
    choice.mass = members.typed(henssge, kMass, where);
    const QString unit = members.text(henssge, kMassUnit, where);
    if (unit != QLatin1String("kg") && unit != QLatin1String("lb") && !unit.isEmpty())
        //: What a member of the file should be; "kg" and "lb" are written as the file holds
        //: them.
        members.wrongValue(where, kMassUnit, HenssgeFileWords::tr("\"kg\" or \"lb\""));
    choice.pounds = unit == QLatin1String("lb");
    choice.condition = members.typed(henssge, kCondition, where);
    choice.factor = members.typed(henssge, kFactor, where);
    choice.factorForThisMass = members.flag(henssge, kFactorForThisMass, where);
    choice.roomUncertainty = members.typed(henssge, kRoomPm, where);
    choice.massUncertainty = members.typed(henssge, kMassPm, where);
    choice.factorUncertainty = members.typed(henssge, kFactorPm, where);
    choice.roomUncertaintyAside = members.typed(henssge, kRoomPmAside, where);
    choice.massUncertaintyAside = members.typed(henssge, kMassPmAside, where);
    choice.factorUncertaintyAside = members.typed(henssge, kFactorPmAside, where);
    return choice;
}

QString remakeHenssge(const QJsonObject &estimatedWith, const NumberLocale &typedIn,
                      CaseHolder &holder)
{
    const HenssgeChoice choice = henssgeChoiceIn(estimatedWith, typedIn, userNumberLocale());
    const HenssgeOutcome outcome = estimateHenssgeCase(holder.entries(), choice, holder.record());
    if (!outcome.record)
        //: %1 is why the estimate cannot be made again from the file.
        return HenssgeFileWords::tr("Henssge's nomogram: %1")
            .arg(henssgeRefusalText(outcome, choice));
    holder.publish(*outcome.record);
    return QString();
}

} // namespace

QJsonObject henssgeObject(const HenssgeChoice &choice)
{
    QJsonObject object{{kMass, choice.mass},
                       {kMassUnit, choice.pounds ? QStringLiteral("lb") : QStringLiteral("kg")},
                       {kCondition, choice.condition},
                       {kFactor, choice.factor},
                       {kFactorForThisMass, choice.factorForThisMass}};
    // Taken as exact, the entries have no ± to keep.
    if (choice.uncertain()) {
        object.insert(kRoomPm, choice.roomUncertainty);
        object.insert(kMassPm, choice.massUncertainty);
        object.insert(kFactorPm, choice.factorUncertainty);
    }
    // But the boxes keep what was typed in them.
    for (const auto &[name, typed] : {std::pair{kRoomPmAside, &choice.roomUncertaintyAside},
                                      std::pair{kMassPmAside, &choice.massUncertaintyAside},
                                      std::pair{kFactorPmAside, &choice.factorUncertaintyAside}})
        if (!typed->isEmpty())
            object.insert(name, *typed);
    return object;
}

HenssgeChoice henssgeChoiceIn(const QJsonObject &object, const NumberLocale &typedIn,
                              const NumberLocale &reader)
{
    FileMembers members;
    HenssgeChoice choice = readChoice(members, object, QString());
    for (QString *typed :
         {&choice.mass, &choice.factor, &choice.roomUncertainty, &choice.massUncertainty,
          &choice.factorUncertainty, &choice.roomUncertaintyAside, &choice.massUncertaintyAside,
          &choice.factorUncertaintyAside})
        *typed = retypedNumber(*typed, typedIn, reader);
    choice.condition = conditionIdOf(choice.condition);
    return choice;
}

std::optional<HenssgeChoice> henssgeWindowEntries(const CaseHolder &holder)
{
    const QJsonObject kept = holder.windowEntries(kHenssgeKey);
    if (kept.isEmpty())
        return std::nullopt;
    return henssgeChoiceIn(kept, userNumberLocale(), userNumberLocale());
}

void keepHenssgeWindowEntries(CaseHolder &holder, const HenssgeChoice &entries, bool edited)
{
    holder.setWindowEntries(kHenssgeKey, henssgeObject(entries), edited);
}

CaseMethod henssgeCaseMethod()
{
    CaseMethod method{kHenssgeKey, QStringLiteral("henssge")};
    method.knownMembers = [](const QString &path) -> std::optional<QStringList> {
        if (!path.isEmpty())
            return std::nullopt;
        return QStringList{kMass,         kMassUnit, kCondition, kFactor,      kFactorForThisMass,
                           kRoomPm,       kMassPm,   kFactorPm,  kRoomPmAside, kMassPmAside,
                           kFactorPmAside};
    };
    method.check = [](FileMembers &members, const QJsonObject &object, const QString &where, bool) {
        readChoice(members, object, where);
    };
    method.remake = remakeHenssge;
    method.follow = henssgeFollowing;
    method.showEntries = [](const QJsonObject &entries, const NumberLocale &typedIn,
                            CaseHolder &holder) {
        holder.replaceWindowEntries(kHenssgeKey, entries.isEmpty()
                                                     ? QJsonObject()
                                                     : henssgeObject(henssgeChoiceIn(
                                                           entries, typedIn, userNumberLocale())));
    };
    // The room's ± is a number of degrees, as estimated or as set aside.
    method.convert = [](QJsonObject object, bool celsius, QList<RoundedEntry> &rounded) {
        //: Names the ± in a list of values converted to the other unit.
        const QString name = HenssgeFileWords::tr("Room temperature uncertain by \u00B1");
        for (const QString &member : {kRoomPm, kRoomPmAside})
            convertMember(object, member, name, celsius, true, rounded);
        return object;
    };
    return method;
}

} // namespace quorrel::ui
