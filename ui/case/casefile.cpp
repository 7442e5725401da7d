#include "casefile.h"

#include "clock.h"
#include "henssgetext.h"
#include "newtontext.h"
#include "signs.h"
#include "signstext.h"
#include "wholefile.h"
#include "wording.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace quorrel::ui
{
namespace
{

// The members' names. The first two sort before every other, so that a
// file written here starts with them and the desktop can tell a case by
// its first line.
const QString kFormat = QStringLiteral("caseFormat");
const QString kVersion = QStringLiteral("caseFormatVersion");
const QString kWrittenBy = QStringLiteral("writtenBy");
const QString kSavedAt = QStringLiteral("savedAt");
const QString kLocale = QStringLiteral("locale");
const QString kEntries = QStringLiteral("entries");
const QString kHenssge = QStringLiteral("henssge");
const QString kResults = QStringLiteral("results");
const QString kSigns = QStringLiteral("signs");
const QString kWindows = QStringLiteral("windows");
const QString kEstimatedFrom = QStringLiteral("estimatedFrom");

const QString kTimeFound = QStringLiteral("timeFound");
const QString kRoom = QStringLiteral("roomTemperature");
const QString kBody = QStringLiteral("bodyTemperature");
const QString kSecondBody = QStringLiteral("secondBodyTemperature");
const QString kHoursBetween = QStringLiteral("hoursBetweenReadings");

const QString kMass = QStringLiteral("mass");
const QString kMassUnit = QStringLiteral("massUnit");
const QString kCondition = QStringLiteral("condition");
const QString kFactor = QStringLiteral("factor");
const QString kFactorForThisMass = QStringLiteral("factorForThisMass");

const QString kRoomPm = QStringLiteral("roomTemperatureUncertainty");
const QString kMassPm = QStringLiteral("massUncertainty");
const QString kFactorPm = QStringLiteral("factorUncertainty");
// Members of their own, so that a reader that knows only the ± above never
// takes them for ± in use.
const QString kRoomPmAside = QStringLiteral("roomTemperatureUncertaintySetAside");
const QString kMassPmAside = QStringLiteral("massUncertaintySetAside");
const QString kFactorPmAside = QStringLiteral("factorUncertaintySetAside");

const QString kExaminedAt = QStringLiteral("examinedAt");
const QString kExaminedDay = QStringLiteral("examinedDay");
const QString kLastSeenAt = QStringLiteral("lastSeenAt");
const QString kLastSeenDay = QStringLiteral("lastSeenDay");
const QString kFindings = QStringLiteral("findings");
// A day further from discovery than this is no day a window offers.
constexpr int kFurthestDay = 30;

const QString kUnbounded = QStringLiteral("unbounded");

// The signs and findings as files name them: names, not places in the
// table, so that a file stays right when the table gains a row.
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

QJsonValue spreadValue(const std::optional<double> &spread)
{
    if (!spread || std::isnan(*spread))
        return QJsonValue(QJsonValue::Undefined);
    // JSON has no infinity.
    if (std::isinf(*spread))
        return kUnbounded;
    return *spread;
}

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true or false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("text");
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("missing");
}

// Reads members of the right type, and words the first that is not.
class Members
{
public:
    QString problem;

    // Text where given; an absent member is empty, as an untouched box is.
    QString text(const QJsonObject &object, const QString &name, const QString &where)
    {
        const QJsonValue value = object.value(name);
        if (value.isUndefined())
            return QString();
        if (!value.isString())
            wrong(where, name, QStringLiteral("text"), value);
        return value.toString();
    }
    // Text a box shows: no longer than a box holds, and nothing a box
    // cannot show (a NUL would end what it shows).
    QString typed(const QJsonObject &object, const QString &name, const QString &where)
    {
        const QString value = text(object, name, where);
        if (value.size() > kTypedMaxLength)
            wrongValue(where, name,
                       QStringLiteral("at most %1 characters long, as a box holds")
                           .arg(wholeNumber(double(kTypedMaxLength))));
        else if (std::any_of(value.begin(), value.end(),
                             [](QChar c) { return c.category() == QChar::Other_Control; }))
            wrongValue(where, name, QStringLiteral("text without control characters"));
        return value;
    }
    bool flag(const QJsonObject &object, const QString &name, const QString &where)
    {
        const QJsonValue value = object.value(name);
        if (value.isUndefined())
            return false;
        if (!value.isBool())
            wrong(where, name, QStringLiteral("true or false"), value);
        return value.toBool();
    }
    QJsonObject object(const QJsonObject &parent, const QString &name, const QString &where)
    {
        const QJsonValue value = parent.value(name);
        if (!value.isUndefined() && !value.isObject())
            wrong(where, name, QStringLiteral("an object"), value);
        return value.toObject();
    }
    double number(const QJsonObject &object, const QString &name, const QString &where)
    {
        const QJsonValue value = object.value(name);
        if (!value.isDouble())
            wrong(where, name, QStringLiteral("a number"), value);
        return value.toDouble();
    }

    // A whole number within the bounds; an absent member is 0.
    std::int64_t whole(const QJsonObject &object, const QString &name, const QString &where,
                       int lowest, int highest)
    {
        const QJsonValue value = object.value(name);
        if (value.isUndefined())
            return 0;
        const double number = value.toDouble();
        if (!value.isDouble() || number != std::floor(number) || number < lowest ||
            number > highest) {
            const QString should =
                QStringLiteral("a whole number from %1 to %2").arg(lowest).arg(highest);
            if (value.isDouble())
                wrongValue(where, name, should);
            else
                wrong(where, name, should, value);
            return 0;
        }
        return std::int64_t(number);
    }

    void wrong(const QString &where, const QString &name, const QString &should,
               const QJsonValue &value)
    {
        if (problem.isEmpty())
            problem = QStringLiteral("is not a case this Quorrel can read: %1\"%2\" should be %3, "
                                     "but it is %4")
                          .arg(where.isEmpty() ? QString() : where + QStringLiteral(" \u203A "),
                               name, should, typeName(value));
    }
    void wrongValue(const QString &where, const QString &name, const QString &should)
    {
        if (problem.isEmpty())
            problem = QStringLiteral("is not a case this Quorrel can read: %1\"%2\" should be %3")
                          .arg(where.isEmpty() ? QString() : where + QStringLiteral(" \u203A "),
                               name, should);
    }
};

QString quoted(const QString &name)
{
    return '"' + name + '"';
}

// Line and column, counted from 1, of a byte offset into UTF-8 text; the
// column counts characters, as an editor does.
std::pair<int, int> lineAndColumn(const QByteArray &bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(bytes.at(i));
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

bool isDigitZero(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    return codes.size() == 1 && QChar::digitValue(char32_t(codes.at(0))) == 0;
}

NumberLocale readLocale(Members &members, const QJsonObject &locale, QString *name)
{
    const QString where = quoted(kLocale);
    *name = members.text(locale, QStringLiteral("name"), where);
    NumberLocale separators;
    const QString point = members.text(locale, QStringLiteral("decimalPoint"), where);
    const QString group = members.text(locale, QStringLiteral("groupSeparator"), where);
    const QString zero = members.text(locale, QStringLiteral("zeroDigit"), where);
    if (!members.problem.isEmpty())
        return separators;
    // A file without them was typed with the common separators.
    if (!point.isEmpty())
        separators.decimalPoint = point.toStdString();
    if (locale.contains(QStringLiteral("groupSeparator")))
        separators.groupSeparator = group.toStdString();
    if (!zero.isEmpty()) {
        if (!isDigitZero(zero))
            members.wrongValue(where, QStringLiteral("zeroDigit"), QStringLiteral("a digit zero"));
        separators.zeroDigit = zero.toStdString();
    }
    return separators;
}

QJsonObject localeObject(const CaseFile &file)
{
    return {{QStringLiteral("name"), file.localeName},
            {QStringLiteral("decimalPoint"), QString::fromStdString(file.locale.decimalPoint)},
            {QStringLiteral("groupSeparator"), QString::fromStdString(file.locale.groupSeparator)},
            {QStringLiteral("zeroDigit"), QString::fromStdString(file.locale.zeroDigit)}};
}

bool sameLocale(const NumberLocale &a, const NumberLocale &b)
{
    return a.decimalPoint == b.decimalPoint && a.groupSeparator == b.groupSeparator &&
           a.zeroDigit == b.zeroDigit;
}

// The number text rewritten: a sign, digits with group separators, the
// decimal point and digits, then an exponent as it stood.
std::string rewritten(std::string_view ascii, const NumberLocale &from, const NumberLocale &to,
                      bool groups)
{
    std::string_view fromGroup = from.groupSeparator;
    if (fromGroup == from.decimalPoint)
        fromGroup = {};
    std::string toGroup = groups ? to.groupSeparator : std::string();
    if (toGroup == to.decimalPoint)
        toGroup.clear();
    std::string out;
    if (!ascii.empty() && (ascii[0] == '+' || ascii[0] == '-')) {
        out.push_back(ascii[0]);
        ascii.remove_prefix(1);
    }
    while (!ascii.empty()) {
        if (ascii[0] >= '0' && ascii[0] <= '9') {
            out.push_back(ascii[0]);
            ascii.remove_prefix(1);
        } else if (!fromGroup.empty() && ascii.starts_with(fromGroup)) {
            out += toGroup;
            ascii.remove_prefix(fromGroup.size());
        } else {
            break;
        }
    }
    if (!from.decimalPoint.empty() && ascii.starts_with(from.decimalPoint)) {
        out += to.decimalPoint;
        ascii.remove_prefix(from.decimalPoint.size());
    }
    out += ascii;
    return out;
}

// ASCII digits in another locale's own digit set.
std::string inDigitsOf(const std::string &ascii, const NumberLocale &locale)
{
    const QString zero = QString::fromStdString(locale.zeroDigit);
    if (!isDigitZero(zero) || zero == QLatin1String("0"))
        return ascii;
    const char32_t zeroCode = zero.toUcs4().at(0);
    // Read as UTF-8: the separators beside the digits may be the locale's
    // own ("٫").
    QString out;
    for (const QChar c : QString::fromStdString(ascii)) {
        if (c >= u'0' && c <= u'9') {
            const char32_t code = zeroCode + char32_t(c.unicode() - u'0');
            out += QString::fromUcs4(&code, 1);
        } else {
            out += c;
        }
    }
    return out.toStdString();
}

// Whether a recomputed estimate shows another time or interval than the
// saved one, to the second.
bool differs(double saved, double now)
{
    if (saved == now)
        return false;
    if (!std::isfinite(saved) || !std::isfinite(now))
        return true;
    return std::fabs(saved - now) > std::max(0.5 / 3600.0, 1e-12 * std::fabs(saved));
}

bool spreadDiffers(const std::optional<double> &saved, const std::optional<double> &now)
{
    if (saved.has_value() != now.has_value())
        return true;
    return saved && differs(*saved, *now);
}

QString readProblem(const QString &path, const QString &reason)
{
    // Qt names the file in some reasons; the message names it already.
    QString why = reason;
    if (!path.isEmpty())
        why.replace(path, QStringLiteral("the file"));
    return QStringLiteral("could not be read: ") + why;
}

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

HenssgeChoice readHenssge(Members &members, const QJsonObject &henssge, const QString &where)
{
    HenssgeChoice choice;
    choice.mass = members.typed(henssge, kMass, where);
    const QString unit = members.text(henssge, kMassUnit, where);
    if (unit != QLatin1String("kg") && unit != QLatin1String("lb") && !unit.isEmpty())
        members.wrongValue(where, kMassUnit, QStringLiteral("\"kg\" or \"lb\""));
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

QJsonObject entriesObject(const CaseEntries &typed)
{
    QJsonObject entries{{kRoom, typed.room},
                        {kBody, typed.body},
                        {kSecondBody, typed.secondBody},
                        {kHoursBetween, typed.hoursBetween}};
    if (typed.foundAt)
        entries.insert(kTimeFound, QString::fromStdString(formatClockTime(*typed.foundAt)));
    return entries;
}

CaseEntries readEntries(Members &members, const QJsonObject &object, const QString &where)
{
    CaseEntries entries;
    const QString found = members.text(object, kTimeFound, where);
    if (!found.isEmpty()) {
        entries.foundAt = parseClockTime(found.toStdString());
        if (!entries.foundAt)
            members.wrongValue(where, kTimeFound,
                               QStringLiteral("a time of day such as \"12:00:00 AM\""));
    }
    entries.room = members.typed(object, kRoom, where);
    entries.body = members.typed(object, kBody, where);
    entries.secondBody = members.typed(object, kSecondBody, where);
    entries.hoursBetween = members.typed(object, kHoursBetween, where);
    return entries;
}

// The members this Quorrel reads in each object of the file, by the path
// of names that leads to it; none for an object it reads as a whole.
std::optional<QStringList> knownMembers(const QString &path)
{
    const QStringList entries{kTimeFound, kRoom, kBody, kSecondBody, kHoursBetween};
    const QStringList henssge{
        kMass,   kMassUnit, kCondition,   kFactor,      kFactorForThisMass, kRoomPm,
        kMassPm, kFactorPm, kRoomPmAside, kMassPmAside, kFactorPmAside};
    const QStringList signs{kExaminedAt, kExaminedDay, kLastSeenAt, kLastSeenDay, kFindings};
    if (path.isEmpty())
        return QStringList{kFormat,  kVersion, kWrittenBy, kSavedAt, kLocale,       kEntries,
                           kHenssge, kSigns,   kWindows,   kResults, kEstimatedFrom};
    if (path == kLocale)
        return QStringList{QStringLiteral("name"), QStringLiteral("decimalPoint"),
                           QStringLiteral("groupSeparator"), QStringLiteral("zeroDigit")};
    if (path == kEntries || path == kEstimatedFrom)
        return entries;
    if (path == kHenssge || path == kWindows + '/' + kHenssge)
        return henssge;
    if (path == kSigns || path == kWindows + '/' + kSigns)
        return signs;
    if (path == kWindows)
        return QStringList{kHenssge, kSigns};
    return std::nullopt;
}

QString pathTo(const QString &path, const QString &name)
{
    return path.isEmpty() ? name : path + '/' + name;
}

// What of an object this Quorrel does not know, keeping the objects it
// knows that hold some of it.
QJsonObject unknownIn(const QJsonObject &object, const QString &path)
{
    QJsonObject unknown;
    const QStringList known = knownMembers(path).value_or(QStringList());
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString inner = pathTo(path, it.key());
        if (!known.contains(it.key()))
            unknown.insert(it.key(), it.value());
        else if (it.value().isObject() && knownMembers(inner))
            if (const QJsonObject below = unknownIn(it.value().toObject(), inner); !below.isEmpty())
                unknown.insert(it.key(), below);
    }
    return unknown;
}

// The object written with what was unknown put back in its place; unknown
// members inside an object this Quorrel no longer writes go with it.
QJsonObject withUnknown(QJsonObject written, const QJsonObject &unknown, const QString &path)
{
    const QStringList known = knownMembers(path).value_or(QStringList());
    for (auto it = unknown.begin(); it != unknown.end(); ++it) {
        if (!known.contains(it.key())) {
            if (!written.contains(it.key()))
                written.insert(it.key(), it.value());
        } else if (written.value(it.key()).isObject() && it.value().isObject()) {
            written.insert(it.key(), withUnknown(written.value(it.key()).toObject(),
                                                 it.value().toObject(), pathTo(path, it.key())));
        }
    }
    return written;
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

SignsEntries readSigns(Members &members, const QJsonObject &signs, const QString &where)
{
    SignsEntries entries;
    entries.examinedAt = members.typed(signs, kExaminedAt, where);
    entries.examinedDay = members.whole(signs, kExaminedDay, where, -kFurthestDay, kFurthestDay);
    entries.lastSeenAt = members.typed(signs, kLastSeenAt, where);
    entries.lastSeenDay = members.whole(signs, kLastSeenDay, where, -kFurthestDay, kFurthestDay);
    const QJsonValue findings = signs.value(kFindings);
    const QString should = QStringLiteral("a list of findings such as {\"sign\": "
                                          "\"rigorPresent\", \"finding\": \"yes\"}");
    if (!findings.isUndefined() && !findings.isArray())
        members.wrong(where, kFindings, should, findings);
    QList<DeathSign> found;
    for (const QJsonValue &finding : findings.toArray()) {
        if (!finding.isObject()) {
            members.wrong(where, kFindings, should, finding);
            break;
        }
        const QString inFinding = where + QStringLiteral(" \u203A ") + quoted(kFindings);
        const QString sign = members.text(finding.toObject(), QStringLiteral("sign"), inFinding);
        const QString what = members.text(finding.toObject(), QStringLiteral("finding"), inFinding);
        const std::optional<std::size_t> row = rowNamed(sign, what);
        // A sign this Quorrel does not know is evidence it cannot weigh:
        // better refused than dropped.
        if (!row) {
            members.wrongValue(inFinding, sign + ' ' + what,
                               QStringLiteral("a sign and finding this Quorrel knows"));
            break;
        }
        // One finding a sign, as the window takes them.
        if (found.contains(signsOfDeath()[*row].sign)) {
            members.wrongValue(inFinding, sign, QStringLiteral("given once"));
            break;
        }
        found.append(signsOfDeath()[*row].sign);
        entries.rows.append(*row);
    }
    return entries;
}

// The main window's entries a record was made from: Newton's as Calculate
// read them, or the nomogram's room and reading where it stands alone.
std::optional<CaseEntries> estimatedFrom(const CaseRecord &record, const CaseEntries &now)
{
    if (const MethodRecord *newton = record.method(kNewtonKey);
        newton && newton->entries.size() >= 4)
        return CaseEntries{record.foundAt, newton->entries.at(0).typed, newton->entries.at(1).typed,
                           newton->entries.at(2).typed, newton->entries.at(3).typed};
    if (const MethodRecord *henssge = record.method(kHenssgeKey);
        henssge && henssge->entries.size() >= 2)
        return CaseEntries{record.foundAt, henssge->entries.at(0).typed,
                           henssge->entries.at(1).typed, now.secondBody, now.hoursBetween};
    return std::nullopt;
}

} // namespace

CaseFile caseFileOf(const CaseEntries &entries, const std::optional<CaseRecord> &record,
                    const QString &writtenBy, const QDateTime &savedAt)
{
    CaseFile file;
    file.writtenBy = writtenBy;
    file.savedAt = savedAt.toOffsetFromUtc(savedAt.offsetFromUtc()).toString(Qt::ISODate);
    file.localeName = QLocale().name();
    file.locale = userNumberLocale();
    file.entries = entries;
    if (record) {
        file.henssge = henssgeChoiceOf(*record);
        if (const std::optional<SignsChoice> signs = signsChoiceOf(*record))
            file.signs = signsEntriesOf(*signs);
        if (const std::optional<CaseEntries> from = estimatedFrom(*record, entries);
            from && *from != entries)
            file.estimatedFrom = from;
        for (const MethodRecord &method : record->methods)
            file.results.append({method.key, method.name,
                                 QString::fromStdString(formatClockTime(method.deathAt)),
                                 method.result.hoursSinceDeath, method.result.spreadHours,
                                 method.sentence, method.notes});
    }
    return file;
}

QByteArray writeCaseFile(const CaseFile &file)
{
    QJsonArray results;
    for (const SavedResult &saved : file.results) {
        QJsonObject result{{QStringLiteral("method"), saved.method},
                           {QStringLiteral("name"), saved.name},
                           {QStringLiteral("timeOfDeath"), saved.timeOfDeath},
                           {QStringLiteral("hoursBeforeDiscovery"), saved.hoursBeforeDiscovery},
                           {QStringLiteral("sentence"), saved.sentence},
                           {QStringLiteral("notes"), QJsonArray::fromStringList(saved.notes)}};
        const QJsonValue spread = spreadValue(saved.spreadHours);
        if (!spread.isUndefined())
            result.insert(QStringLiteral("spreadHours"), spread);
        results.append(result);
    }

    QJsonObject root;
    root.insert(kFormat, kCaseFormatName);
    root.insert(kVersion, file.formatVersion);
    root.insert(kWrittenBy, file.writtenBy);
    root.insert(kSavedAt, file.savedAt);
    root.insert(kLocale, localeObject(file));
    root.insert(kEntries, entriesObject(file.entries));
    if (file.estimatedFrom)
        root.insert(kEstimatedFrom, entriesObject(*file.estimatedFrom));
    if (file.henssge)
        root.insert(kHenssge, henssgeObject(*file.henssge));
    if (file.signs)
        root.insert(kSigns, signsObject(*file.signs));
    QJsonObject windows;
    if (file.henssgeWindow)
        windows.insert(kHenssge, henssgeObject(*file.henssgeWindow));
    if (file.signsWindow)
        windows.insert(kSigns, signsObject(*file.signsWindow));
    // Kept for what a later version put in it, even with nothing of ours.
    if (!windows.isEmpty() || file.later.contains(kWindows))
        root.insert(kWindows, windows);
    root.insert(kResults, results);
    return QJsonDocument(withUnknown(root, file.later, QString())).toJson(QJsonDocument::Indented);
}

CaseFileRead readCaseFile(const QByteArray &bytes)
{
    if (bytes.size() > kCaseFileMaxBytes)
        return {std::nullopt, QStringLiteral("is larger than a case file can be (1 MB)")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // Qt's offset lies just past the character it could not take, or at
        // the end where the text stopped short.
        const qsizetype at = error.offset < bytes.size() ? error.offset - 1 : error.offset;
        const auto [line, column] = lineAndColumn(bytes, at);
        return {std::nullopt,
                QStringLiteral("is not a Quorrel case: it is not JSON (line %1, column %2: %3)")
                    .arg(line)
                    .arg(column)
                    .arg(error.errorString())};
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(kFormat) != QJsonValue(kCaseFormatName))
        return {std::nullopt, QStringLiteral("is not a Quorrel case: it is JSON without %1: %2")
                                  .arg(quoted(kFormat), quoted(kCaseFormatName))};

    Members members;
    CaseFile file;
    const QJsonValue version = root.value(kVersion);
    const double number = version.toDouble();
    if (!version.isDouble() || number < 1 || number != std::floor(number)) {
        members.wrongValue(QString(), kVersion, QStringLiteral("a whole number from 1"));
        return {std::nullopt, members.problem};
    }
    file.writtenBy = members.text(root, kWrittenBy, QString());
    if (number > kCaseFormatVersion) {
        const QString by =
            file.writtenBy.isEmpty() ? QStringLiteral("a later Quorrel") : file.writtenBy;
        return {std::nullopt,
                QStringLiteral("was saved by %1 in case format %2; this Quorrel reads case "
                               "format %3 and earlier. Open it with a later Quorrel")
                    .arg(by, QString::number(number, 'f', 0), QString::number(kCaseFormatVersion))};
    }
    file.formatVersion = static_cast<int>(number);
    file.savedAt = members.text(root, kSavedAt, QString());
    file.locale = readLocale(members, members.object(root, kLocale, QString()), &file.localeName);

    file.entries =
        readEntries(members, members.object(root, kEntries, QString()), quoted(kEntries));
    if (root.contains(kEstimatedFrom))
        file.estimatedFrom = readEntries(members, members.object(root, kEstimatedFrom, QString()),
                                         quoted(kEstimatedFrom));

    if (root.contains(kHenssge))
        file.henssge =
            readHenssge(members, members.object(root, kHenssge, QString()), quoted(kHenssge));
    if (root.contains(kSigns)) {
        file.signs = readSigns(members, members.object(root, kSigns, QString()), quoted(kSigns));
        // What was combined was made of times of day.
        if (members.problem.isEmpty() && !signsChoiceFrom(*file.signs))
            members.wrongValue(quoted(kSigns), kExaminedAt,
                               QStringLiteral("a time of day such as \"12:00:00 AM\", and so "
                                              "should \"lastSeenAt\" where it is given"));
    }
    if (root.contains(kWindows)) {
        const QJsonObject windows = members.object(root, kWindows, QString());
        const QString inWindows = quoted(kWindows) + QStringLiteral(" \u203A ");
        if (windows.contains(kHenssge))
            file.henssgeWindow = readHenssge(members, members.object(windows, kHenssge, inWindows),
                                             inWindows + quoted(kHenssge));
        if (windows.contains(kSigns))
            file.signsWindow = readSigns(members, members.object(windows, kSigns, inWindows),
                                         inWindows + quoted(kSigns));
    }

    const QJsonValue results = root.value(kResults);
    if (!results.isUndefined() && !results.isArray())
        members.wrong(QString(), kResults, QStringLiteral("a list"), results);
    const QJsonArray list = results.toArray();
    for (qsizetype i = 0; i < list.size() && members.problem.isEmpty(); ++i) {
        const QString where = quoted(kResults) + QStringLiteral(" \u203A %1").arg(i + 1);
        if (!list.at(i).isObject()) {
            members.wrong(quoted(kResults), QString::number(i + 1), QStringLiteral("an object"),
                          list.at(i));
            break;
        }
        const QJsonObject result = list.at(i).toObject();
        SavedResult saved;
        saved.method = members.text(result, QStringLiteral("method"), where);
        saved.name = members.text(result, QStringLiteral("name"), where);
        saved.timeOfDeath = members.text(result, QStringLiteral("timeOfDeath"), where);
        saved.hoursBeforeDiscovery =
            members.number(result, QStringLiteral("hoursBeforeDiscovery"), where);
        const QJsonValue spread = result.value(QStringLiteral("spreadHours"));
        if (spread == QJsonValue(kUnbounded))
            saved.spreadHours = std::numeric_limits<double>::infinity();
        else if (spread.isDouble())
            saved.spreadHours = spread.toDouble();
        else if (!spread.isUndefined())
            members.wrong(where, QStringLiteral("spreadHours"),
                          QStringLiteral("a number or \"unbounded\""), spread);
        saved.sentence = members.text(result, QStringLiteral("sentence"), where);
        const QJsonValue notes = result.value(QStringLiteral("notes"));
        if (!notes.isUndefined() && !notes.isArray())
            members.wrong(where, QStringLiteral("notes"), QStringLiteral("a list of texts"), notes);
        for (const QJsonValue &note : notes.toArray()) {
            if (!note.isString())
                members.wrong(where, QStringLiteral("notes"), QStringLiteral("a list of texts"),
                              note);
            saved.notes.append(note.toString());
        }
        file.results.append(saved);
    }
    if (!members.problem.isEmpty())
        return {std::nullopt, members.problem};

    file.later = unknownIn(root, QString());
    return {file, QString()};
}

QString retypedNumber(const QString &typed, const NumberLocale &from, const NumberLocale &to)
{
    const std::string utf8 = typed.toStdString();
    const Result<double> value = localeToDouble(utf8, from);
    if (!value || sameLocale(from, to))
        return typed;
    const std::string ascii =
        QString::fromStdString(withAsciiDigits(utf8, from)).trimmed().toStdString();
    // Written in the locale's own digits, it is written in the reader's, as
    // its separators are: ASCII digits are an English case's own, and beside
    // an Arabic decimal sign would make a number of two writings ("1٫0").
    const bool ownDigits =
        withAsciiDigits(utf8, from) != utf8 || from.zeroDigit == std::string("0");
    for (const bool groups : {true, false}) {
        std::string text = rewritten(ascii, from, to, groups);
        if (ownDigits)
            text = inDigitsOf(text, to);
        const Result<double> again = localeToDouble(text, to);
        if (again && *again == *value)
            return QString::fromStdString(text);
    }
    return typed;
}

CaseEntries entriesFor(const CaseFile &file, const NumberLocale &reader)
{
    CaseEntries entries = file.entries;
    for (QString *typed :
         {&entries.room, &entries.body, &entries.secondBody, &entries.hoursBetween})
        *typed = retypedNumber(*typed, file.locale, reader);
    return entries;
}

std::optional<HenssgeChoice> henssgeChoiceFor(const std::optional<HenssgeChoice> &saved,
                                              const CaseFile &file, const NumberLocale &reader)
{
    if (!saved)
        return std::nullopt;
    HenssgeChoice choice = *saved;
    for (QString *typed :
         {&choice.mass, &choice.factor, &choice.roomUncertainty, &choice.massUncertainty,
          &choice.factorUncertainty, &choice.roomUncertaintyAside, &choice.massUncertaintyAside,
          &choice.factorUncertaintyAside})
        *typed = retypedNumber(*typed, file.locale, reader);
    // A row of the table is named with its factor in the locale it was
    // picked in.
    for (const HenssgeCondition &condition : henssgeConditions())
        if (choice.condition.startsWith(condition.name + QStringLiteral(": ")))
            choice.condition = conditionItem(condition);
    return choice;
}

QStringList changedResults(const CaseFile &file, const std::optional<CaseRecord> &record,
                           const QStringList &explained)
{
    QStringList changed;
    for (const SavedResult &saved : file.results) {
        if (explained.contains(saved.method))
            continue;
        const MethodRecord *now = record ? record->method(saved.method) : nullptr;
        // ASCII in the file, whatever the digits of the locale it was saved in.
        const QString timeNow =
            now ? QString::fromStdString(formatClockTime(now->deathAt)) : QString();
        if (now && timeNow == saved.timeOfDeath &&
            !differs(saved.hoursBeforeDiscovery, now->result.hoursSinceDeath) &&
            !spreadDiffers(saved.spreadHours, now->result.spreadHours))
            continue;
        const QString name = saved.name.isEmpty() ? saved.method : saved.name;
        if (!now) {
            changed.append(QStringLiteral("%1: died %2 when saved, no estimate now.\nSaved: "
                                          "\u201C%3\u201D")
                               .arg(name, inLocaleDigits(saved.timeOfDeath), saved.sentence));
            continue;
        }
        const QString what =
            timeNow != saved.timeOfDeath
                ? QStringLiteral("died %1 when saved, %2 now.")
                      .arg(inLocaleDigits(saved.timeOfDeath), inLocaleDigits(timeNow))
            : spreadDiffers(saved.spreadHours, now->result.spreadHours)
                ? QStringLiteral("its interval differs from the one saved.")
                : QStringLiteral("its hours before discovery differ from those saved.");
        changed.append(QStringLiteral("%1: %2\nSaved: \u201C%3\u201D\nNow: \u201C%4\u201D")
                           .arg(name, what, saved.sentence, now->sentence));
    }
    return changed;
}

CaseFileRead loadCaseFile(const QString &path)
{
    if (path.isEmpty())
        return {std::nullopt, QStringLiteral("could not be read: no file name was given")};
    const QFileInfo info(path);
    if (info.isDir())
        return {std::nullopt, QStringLiteral("is a folder, not a case file")};
    // A named pipe would keep the program waiting for a writer, a device
    // for ever.
    if (info.exists() && !info.isFile())
        return {std::nullopt, QStringLiteral("is a pipe or a device, not a case file")};
    if (info.exists() && info.size() > kCaseFileMaxBytes)
        return {std::nullopt, QStringLiteral("is %1 bytes, larger than a case file can be (1 MB)")
                                  .arg(wholeNumber(double(info.size())))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, readProblem(path, file.errorString())};
    // The size again as read: the file may have grown since, or be a pipe.
    const QByteArray bytes = file.read(kCaseFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, readProblem(path, file.errorString())};
    if (bytes.size() > kCaseFileMaxBytes)
        return {std::nullopt, QStringLiteral("is larger than a case file can be (1 MB)")};
    return readCaseFile(bytes);
}

QString saveCaseFile(const QString &path, const QByteArray &bytes)
{
    if (bytes.size() > kCaseFileMaxBytes)
        return QStringLiteral("it would be %1 bytes, larger than a case file can be (1 MB), and "
                              "no Quorrel could open it again. Shorten the longest entries")
            .arg(wholeNumber(double(bytes.size())));
    return writeWholeFile(path, bytes);
}

} // namespace quorrel::ui
