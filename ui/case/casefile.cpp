#include "casefile.h"

#include "caseholder.h"
#include "casemethods.h"
#include "clock.h"
#include "wholefile.h"
#include "wording.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace quorrel::ui
{
namespace
{

class CaseFileWords
{
    Q_DECLARE_TR_FUNCTIONS(CaseFileWords)
};

// The members' names. The first two sort before every other, so that a
// file written here starts with them and the desktop can tell a case by
// its first line.
const QString kFormat = QStringLiteral("caseFormat");
const QString kVersion = QStringLiteral("caseFormatVersion");
const QString kMinor = QStringLiteral("caseFormatVersionMinor");
const QString kWrittenBy = QStringLiteral("writtenBy");
const QString kSavedAt = QStringLiteral("savedAt");
const QString kLocale = QStringLiteral("locale");
const QString kEntries = QStringLiteral("entries");
// The unit of every temperature the case holds: "C", or "F" as a file
// without it was typed in.
const QString kUnit = QStringLiteral("temperatureUnit");
const QString kFahrenheit = QStringLiteral("F");
const QString kCelsius = QStringLiteral("C");
const QString kEstimatedFrom = QStringLiteral("estimatedFrom");
const QString kMethods = QStringLiteral("methods");
const QString kEstimatedWith = QStringLiteral("estimatedWith");
const QString kWindow = QStringLiteral("window");
const QString kResult = QStringLiteral("result");
// Where the first format kept the windows' boxes and the estimates.
const QString kFormerWindows = QStringLiteral("windows");
const QString kFormerResults = QStringLiteral("results");

const QString kTimeFound = QStringLiteral("timeFound");
const QString kRoom = QStringLiteral("roomTemperature");
const QString kBody = QStringLiteral("bodyTemperature");
const QString kSecondBody = QStringLiteral("secondBodyTemperature");
const QString kHoursBetween = QStringLiteral("hoursBetweenReadings");

// A spread with no bound, which JSON has no number for.
const QString kUnbounded = QStringLiteral("unbounded");

QJsonValue spreadValue(const std::optional<double> &spread)
{
    if (!spread || std::isnan(*spread))
        return QJsonValue(QJsonValue::Undefined);
    if (std::isinf(*spread))
        return kUnbounded;
    return *spread;
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

NumberLocale readLocale(FileMembers &members, const QJsonObject &locale, QString *name)
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
            members.wrongValue(where, QStringLiteral("zeroDigit"),
                               //: What a member of the file should be.
                               CaseFileWords::tr("a digit zero"));
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
        //: Stands for the file's name in a reason the system gave.
        why.replace(path, CaseFileWords::tr("the file"));
    //: Follows the file's name; %1 is the reason the system gave.
    return CaseFileWords::tr("could not be read: %1").arg(why);
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

CaseEntries readEntries(FileMembers &members, const QJsonObject &object, const QString &where)
{
    CaseEntries entries;
    const QString found = members.text(object, kTimeFound, where);
    if (!found.isEmpty()) {
        entries.foundAt = parseClockTime(found.toStdString());
        if (!entries.foundAt)
            members.wrongValue(where, kTimeFound,
                               //: What a member of the file should be; the time as the file
                               //: holds it, in the 12-hour form in every language.
                               CaseFileWords::tr("a time of day such as \"12:00:00 AM\""));
    }
    entries.room = members.typed(object, kRoom, where);
    entries.body = members.typed(object, kBody, where);
    entries.secondBody = members.typed(object, kSecondBody, where);
    entries.hoursBetween = members.typed(object, kHoursBetween, where);
    return entries;
}

QJsonObject resultObject(const SavedResult &saved)
{
    QJsonObject result{{QStringLiteral("name"), saved.name},
                       {QStringLiteral("timeOfDeath"), saved.timeOfDeath},
                       {QStringLiteral("hoursBeforeDiscovery"), saved.hoursBeforeDiscovery},
                       {QStringLiteral("sentence"), saved.sentence},
                       {QStringLiteral("notes"), QJsonArray::fromStringList(saved.notes)}};
    const QJsonValue spread = spreadValue(saved.spreadHours);
    if (!spread.isUndefined())
        result.insert(QStringLiteral("spreadHours"), spread);
    return result;
}

SavedResult readResult(FileMembers &members, const QJsonObject &result, const QString &where)
{
    SavedResult saved;
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
                      //: What a member of the file should be; "unbounded" is written as is.
                      CaseFileWords::tr("a number or \"unbounded\""), spread);
    saved.sentence = members.text(result, QStringLiteral("sentence"), where);
    const QJsonValue notes = result.value(QStringLiteral("notes"));
    const QString texts = CaseFileWords::tr("a list of texts");
    if (!notes.isUndefined() && !notes.isArray())
        members.wrong(where, QStringLiteral("notes"), texts, notes);
    for (const QJsonValue &note : notes.toArray()) {
        if (!note.isString())
            members.wrong(where, QStringLiteral("notes"), texts, note);
        saved.notes.append(note.toString());
    }
    return saved;
}

// The members this Quorrel reads in an object of a method's member.
std::optional<QStringList> knownInMethod(const QStringList &path)
{
    const CaseMethod *method = caseMethod(path.value(1));
    if (!method)
        return std::nullopt;
    if (path.size() == 2)
        return QStringList{kEstimatedWith, kWindow, kResult};
    if (path.at(2) == kResult)
        return path.size() == 3
                   ? std::optional(QStringList{
                         QStringLiteral("name"), QStringLiteral("timeOfDeath"),
                         QStringLiteral("hoursBeforeDiscovery"), QStringLiteral("spreadHours"),
                         QStringLiteral("sentence"), QStringLiteral("notes")})
                   : std::nullopt;
    if ((path.at(2) == kEstimatedWith || path.at(2) == kWindow) && method->knownMembers)
        return method->knownMembers(path.mid(3).join('/'));
    return std::nullopt;
}

// The members this Quorrel reads in each object of the file, by the path
// of names that leads to it; none for an object it reads as a whole.
std::optional<QStringList> knownMembers(const QString &path)
{
    if (path.isEmpty())
        return QStringList{kFormat, kVersion, kMinor,   kWrittenBy,     kSavedAt,
                           kLocale, kUnit,    kEntries, kEstimatedFrom, kMethods};
    if (path == kLocale)
        return QStringList{QStringLiteral("name"), QStringLiteral("decimalPoint"),
                           QStringLiteral("groupSeparator"), QStringLiteral("zeroDigit")};
    if (path == kEntries || path == kEstimatedFrom)
        return QStringList{kTimeFound, kRoom, kBody, kSecondBody, kHoursBetween};
    if (path == kMethods) {
        QStringList keys;
        for (const CaseMethod &method : caseMethods())
            keys << method.key;
        return keys;
    }
    if (path.startsWith(kMethods + '/'))
        return knownInMethod(path.split('/'));
    return std::nullopt;
}

QString pathTo(const QString &path, const QString &name)
{
    return path.isEmpty() ? name : path + '/' + name;
}

// For a list whose items this Quorrel reads member by member, the member
// that tells one item from another: the first it reads.
QString itemIdentity(const QString &path)
{
    const std::optional<QStringList> known = knownMembers(path + QStringLiteral("[]"));
    return known ? known->value(0) : QString();
}

QJsonObject unknownIn(const QJsonObject &object, const QString &path);

// What the items of a list hold that this Quorrel does not know, by the
// item they belong to.
QJsonObject unknownInItems(const QJsonArray &items, const QString &path)
{
    QJsonObject unknown;
    const QString identity = itemIdentity(path);
    for (const QJsonValue &item : items)
        if (const QJsonObject below = unknownIn(item.toObject(), path + QStringLiteral("[]"));
            !below.isEmpty())
            unknown.insert(item.toObject().value(identity).toString(), below);
    return unknown;
}

// What of an object this Quorrel does not know, keeping the objects it
// knows that hold some of it.
QJsonObject unknownIn(const QJsonObject &object, const QString &path)
{
    QJsonObject unknown;
    const QStringList known = knownMembers(path).value_or(QStringList());
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString inner = pathTo(path, it.key());
        QJsonObject below;
        if (!known.contains(it.key()))
            unknown.insert(it.key(), it.value());
        else if (it.value().isObject() && knownMembers(inner))
            below = unknownIn(it.value().toObject(), inner);
        else if (it.value().isArray() && !itemIdentity(inner).isEmpty())
            below = unknownInItems(it.value().toArray(), inner);
        if (!below.isEmpty())
            unknown.insert(it.key(), below);
    }
    return unknown;
}

QJsonObject withUnknown(QJsonObject written, const QJsonObject &unknown, const QString &path);

// A list written with what its items held unknown put back in each; what
// items no longer written held goes with them.
QJsonArray withUnknownInItems(QJsonArray written, const QJsonObject &unknown, const QString &path)
{
    const QString identity = itemIdentity(path);
    for (qsizetype i = 0; i < written.size(); ++i) {
        const QJsonObject item = written.at(i).toObject();
        const QString id = item.value(identity).toString();
        if (unknown.contains(id))
            written.replace(
                i, withUnknown(item, unknown.value(id).toObject(), path + QStringLiteral("[]")));
    }
    return written;
}

// The object written with what was unknown put back in its place; unknown
// members inside an object this Quorrel no longer writes go with it.
QJsonObject withUnknown(QJsonObject written, const QJsonObject &unknown, const QString &path)
{
    const QStringList known = knownMembers(path).value_or(QStringList());
    for (auto it = unknown.begin(); it != unknown.end(); ++it) {
        const QString inner = pathTo(path, it.key());
        const QJsonValue mine = written.value(it.key());
        if (!known.contains(it.key())) {
            if (!written.contains(it.key()))
                written.insert(it.key(), it.value());
        } else if (mine.isObject() && it.value().isObject()) {
            written.insert(it.key(), withUnknown(mine.toObject(), it.value().toObject(), inner));
        } else if (mine.isArray() && it.value().isObject() && !itemIdentity(inner).isEmpty()) {
            written.insert(it.key(),
                           withUnknownInItems(mine.toArray(), it.value().toObject(), inner));
        }
    }
    return written;
}

const CaseMethod *formerly(const QString &formerKey)
{
    for (const CaseMethod &method : caseMethods())
        if (!method.formerKey.isEmpty() && method.formerKey == formerKey)
            return &method;
    return nullptr;
}

// A file of the first format as this one holds it: each method's members,
// its box entries and its result, gathered into its own member; what the
// first format held of a method this Quorrel lacks goes there whole.
QJsonObject fromFirstFormat(QJsonObject root, FileMembers &members)
{
    QJsonObject windows = members.object(root, kFormerWindows, QString());
    root.remove(kFormerWindows);
    const QJsonValue results = root.take(kFormerResults);
    if (!results.isUndefined() && !results.isArray())
        members.wrong(QString(), kFormerResults, CaseFileWords::tr("a list"), results);
    QJsonObject methods;
    const QJsonArray list = results.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!list.at(i).isObject()) {
            members.wrong(quoted(kFormerResults), QString::number(i + 1),
                          CaseFileWords::tr("an object"), list.at(i));
            break;
        }
        QJsonObject result = list.at(i).toObject();
        const QString former = members.text(result, QStringLiteral("method"),
                                            inside(quoted(kFormerResults), QString::number(i + 1)));
        result.remove(QStringLiteral("method"));
        const CaseMethod *method = formerly(former);
        methods.insert(method ? method->key : former, QJsonObject{{kResult, result}});
    }
    for (const CaseMethod &method : caseMethods()) {
        if (method.formerKey.isEmpty())
            continue;
        QJsonObject part = methods.value(method.key).toObject();
        if (root.contains(method.formerKey))
            part.insert(kEstimatedWith, members.object(root, method.formerKey, QString()));
        if (windows.contains(method.formerKey))
            part.insert(kWindow, members.object(windows, method.formerKey, quoted(kFormerWindows)));
        root.remove(method.formerKey);
        windows.remove(method.formerKey);
        if (!part.isEmpty())
            methods.insert(method.key, part);
    }
    // Kept for what a later version put in it.
    if (!windows.isEmpty())
        root.insert(kFormerWindows, windows);
    root.insert(kMethods, methods);
    return root;
}

// One method's member, each object checked by the method.
MethodPart readPart(FileMembers &members, const CaseMethod &method, const QJsonObject &part,
                    const QString &where)
{
    MethodPart read;
    for (const auto &[name, object] :
         {std::pair{kEstimatedWith, &read.estimatedWith}, std::pair{kWindow, &read.window}}) {
        if (!part.contains(name))
            continue;
        *object = members.object(part, name, where);
        if (method.check && members.problem.isEmpty())
            method.check(members, *object, inside(where, name), name == kEstimatedWith);
    }
    if (part.contains(kResult)) {
        read.result =
            readResult(members, members.object(part, kResult, where), inside(where, kResult));
        read.result->method = method.key;
    }
    return read;
}

TemperatureUnit readUnit(FileMembers &members, const QJsonObject &root, double format)
{
    const QString unit = members.text(root, kUnit, QString());
    if (unit == kCelsius)
        return TemperatureUnit::Celsius;
    // Format 3 is written for the unit's sake: without it, its degrees would
    // be taken for °F unsaid.
    if ((!unit.isEmpty() || format >= 3) && unit != kFahrenheit)
        members.wrongValue(QString(), kUnit,
                           //: What a member of the file should be; "F" and "C" are written as is.
                           CaseFileWords::tr("\"F\" or \"C\""));
    return TemperatureUnit::Fahrenheit;
}

// What a case of this format holds, read into `file`, the first fault
// found named in `members`.
void readMembers(FileMembers &members, const QJsonObject &current, double format, CaseFile &file)
{
    file.savedAt = members.text(current, kSavedAt, QString());
    file.locale =
        readLocale(members, members.object(current, kLocale, QString()), &file.localeName);
    file.entries =
        readEntries(members, members.object(current, kEntries, QString()), quoted(kEntries));
    file.entries.unit = readUnit(members, current, format);
    if (current.contains(kEstimatedFrom)) {
        file.estimatedFrom = readEntries(
            members, members.object(current, kEstimatedFrom, QString()), quoted(kEstimatedFrom));
        file.estimatedFrom->unit = file.entries.unit;
    }
    const QJsonObject methods = members.object(current, kMethods, QString());
    for (const CaseMethod &method : caseMethods())
        if (methods.contains(method.key) && members.problem.isEmpty())
            file.methods.insert(method.key,
                                readPart(members, method,
                                         members.object(methods, method.key, quoted(kMethods)),
                                         inside(quoted(kMethods), method.key)));
}

} // namespace

std::optional<CaseEntries> entriesEstimatedFrom(const CaseRecord &record, const CaseEntries &now)
{
    std::optional<CaseEntries> from;
    for (const MethodRecord &method : record.methods) {
        if (!method.mainEntries)
            continue;
        if (!from)
            from = now;
        for (QString CaseEntries::*box : {&CaseEntries::room, &CaseEntries::body,
                                          &CaseEntries::secondBody, &CaseEntries::hoursBetween})
            if (!((*method.mainEntries).*box).isEmpty())
                (*from).*box = (*method.mainEntries).*box;
    }
    if (from)
        from->foundAt = record.foundAt;
    return from;
}

CaseFile caseFileOf(const CaseHolder &holder, const QString &writtenBy, const QDateTime &savedAt)
{
    CaseFile file;
    file.writtenBy = writtenBy;
    file.savedAt = savedAt.toOffsetFromUtc(savedAt.offsetFromUtc()).toString(Qt::ISODate);
    file.localeName = QLocale().name();
    file.locale = userNumberLocale();
    file.entries = holder.entries();
    const std::optional<CaseRecord> &record = holder.record();
    if (record)
        if (const std::optional<CaseEntries> from = entriesEstimatedFrom(*record, file.entries);
            from && *from != file.entries)
            file.estimatedFrom = from;
    for (const CaseMethod &method : caseMethods()) {
        MethodPart part;
        // What the estimate was made with its record keeps; what the window
        // holds, the case keeps by the method's key.
        part.window = holder.windowEntries(method.key);
        if (const MethodRecord *made = record ? record->method(method.key) : nullptr) {
            part.estimatedWith = made->madeWith;
            part.result = SavedResult{method.key,
                                      made->name,
                                      QString::fromStdString(formatClockTime(made->deathAt)),
                                      made->result.hoursSinceDeath,
                                      made->result.spreadHours,
                                      made->sentence,
                                      made->notes};
        }
        if (part != MethodPart())
            file.methods.insert(method.key, part);
    }
    return file;
}

namespace
{
std::pair<int, int> formatFor(TemperatureUnit unit)
{
    return unit == TemperatureUnit::Celsius ? std::pair(kCaseFormatVersion, 0)
                                            : std::pair(kFahrenheitFormatVersion, kCaseFormatMinor);
}
} // namespace

QByteArray writeCaseFile(const CaseFile &file)
{
    const auto [version, minor] = formatFor(file.entries.unit);
    QJsonObject methods;
    for (auto it = file.methods.begin(); it != file.methods.end(); ++it) {
        QJsonObject part;
        if (!it->estimatedWith.isEmpty())
            part.insert(kEstimatedWith, it->estimatedWith);
        if (!it->window.isEmpty())
            part.insert(kWindow, it->window);
        if (it->result)
            part.insert(kResult, resultObject(*it->result));
        methods.insert(it.key(), part);
    }
    QJsonObject root{
        {kFormat, kCaseFormatName},
        {kVersion, version},
        {kMinor, minor},
        {kWrittenBy, file.writtenBy},
        {kSavedAt, file.savedAt},
        {kLocale, localeObject(file)},
        {kUnit, file.entries.unit == TemperatureUnit::Celsius ? kCelsius : kFahrenheit},
        {kEntries, entriesObject(file.entries)},
        {kMethods, methods}};
    if (file.estimatedFrom)
        root.insert(kEstimatedFrom, entriesObject(*file.estimatedFrom));
    const QJsonDocument document(withUnknown(root, file.later, QString()));
    // Indented for a person to read, unless that alone would pass the
    // limit: deep members another version added indent to many times
    // their size.
    const QByteArray indented = document.toJson(QJsonDocument::Indented);
    return indented.size() <= kCaseFileMaxBytes ? indented
                                                : document.toJson(QJsonDocument::Compact);
}

CaseFileRead readCaseFile(const QByteArray &bytes)
{
    if (bytes.size() > kCaseFileMaxBytes)
        //: Follows the file's name, as every reason a case file is refused.
        return {std::nullopt, CaseFileWords::tr("is larger than a case file can be (1 MB)")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // Qt's offset lies just past the character it could not take, or at
        // the end where the text stopped short.
        const qsizetype at = error.offset < bytes.size() ? error.offset - 1 : error.offset;
        const auto [line, column] = lineAndColumn(bytes, at);
        return {std::nullopt,
                //: Follows the file's name; %3 is the JSON reader's own reason.
                CaseFileWords::tr("is not a Quorrel case: it is not JSON (line %1, column %2: %3)")
                    .arg(line)
                    .arg(column)
                    .arg(error.errorString())};
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(kFormat) != QJsonValue(kCaseFormatName))
        //: Follows the file's name; %1 is a member's name and %2 its value, both as the
        //: file writes them.
        return {std::nullopt, CaseFileWords::tr("is not a Quorrel case: it is JSON without %1: %2")
                                  .arg(quoted(kFormat), quoted(kCaseFormatName))};

    FileMembers members;
    CaseFile file;
    const QJsonValue version = root.value(kVersion);
    const double number = version.toDouble();
    if (!version.isDouble() || number < 1 || number != std::floor(number)) {
        members.wrongValue(QString(), kVersion, CaseFileWords::tr("a whole number from 1"));
        return {std::nullopt, members.problem};
    }
    file.writtenBy = members.text(root, kWrittenBy, QString());
    if (number > kCaseFormatVersion) {
        const QString by =
            file.writtenBy.isEmpty() ? CaseFileWords::tr("a later Quorrel") : file.writtenBy;
        return {std::nullopt,
                //: Follows the file's name; %1 is the program that saved it ("Quorrel 2.0.0"
                //: or "a later Quorrel"), %2 and %3 are format numbers.
                CaseFileWords::tr("was saved by %1 in case format %2; this Quorrel reads case "
                                  "format %3 and earlier. Open it with a later Quorrel")
                    .arg(by, QString::number(number, 'f', 0), QString::number(kCaseFormatVersion))};
    }
    // A later minor version only adds what this one keeps unread.
    members.whole(root, kMinor, QString(), 0, INT_MAX);
    const QJsonObject current = number < 2 ? fromFirstFormat(root, members) : root;
    readMembers(members, current, number, file);
    if (!members.problem.isEmpty())
        return {std::nullopt, members.problem};
    std::tie(file.formatVersion, file.formatMinor) = formatFor(file.entries.unit);
    file.later = unknownIn(current, QString());
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

QStringList changedResults(const CaseFile &file, const std::optional<CaseRecord> &record,
                           const QStringList &explained)
{
    QStringList changed;
    for (const MethodPart &part : file.methods) {
        if (!part.result || explained.contains(part.result->method))
            continue;
        const SavedResult &saved = *part.result;
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
            //: %1 is a method's name, %2 the time of death saved, %3 the sentence saved.
            changed.append(CaseFileWords::tr("%1: died %2 when saved, no estimate now.\nSaved: "
                                             "\u201C%3\u201D")
                               .arg(name, inLocaleDigits(saved.timeOfDeath), saved.sentence));
            continue;
        }
        // Each a sentence that follows the method's name.
        const QString what =
            timeNow != saved.timeOfDeath
                //: %1 is the time of death saved, %2 the one made now.
                ? CaseFileWords::tr("died %1 when saved, %2 now.")
                      .arg(inLocaleDigits(saved.timeOfDeath), inLocaleDigits(timeNow))
                : spreadDiffers(saved.spreadHours, now->result.spreadHours)
                      ? CaseFileWords::tr("its interval differs from the one saved.")
                      : CaseFileWords::tr("its hours before discovery differ from those saved.");
        //: %1 is a method's name, %2 what changed, %3 the sentence saved, %4 the one now.
        changed.append(CaseFileWords::tr("%1: %2\nSaved: \u201C%3\u201D\nNow: \u201C%4\u201D")
                           .arg(name, what, saved.sentence, now->sentence));
    }
    return changed;
}

CaseFileRead loadCaseFile(const QString &path)
{
    if (path.isEmpty())
        //: Follows "The case file", as every reason a case file is refused.
        return {std::nullopt, CaseFileWords::tr("could not be read: no file name was given")};
    const QFileInfo info(path);
    if (info.isDir())
        //: Follows the file's name, as every reason a case file is refused.
        return {std::nullopt, CaseFileWords::tr("is a folder, not a case file")};
    // A named pipe would keep the program waiting for a writer, a device
    // for ever.
    if (info.exists() && !info.isFile())
        return {std::nullopt, CaseFileWords::tr("is a pipe or a device, not a case file")};
    if (info.exists() && info.size() > kCaseFileMaxBytes)
        //: Follows the file's name; %1 is its size in bytes.
        return {std::nullopt,
                CaseFileWords::tr("is %1 bytes, larger than a case file can be (1 MB)")
                    .arg(wholeNumber(double(info.size())))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, readProblem(path, file.errorString())};
    // The size again as read: the file may have grown since, or be a pipe.
    const QByteArray bytes = file.read(kCaseFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, readProblem(path, file.errorString())};
    if (bytes.size() > kCaseFileMaxBytes)
        return {std::nullopt, CaseFileWords::tr("is larger than a case file can be (1 MB)")};
    return readCaseFile(bytes);
}

QString saveCaseFile(const QString &path, const QByteArray &bytes)
{
    if (bytes.size() > kCaseFileMaxBytes) {
        // Name what makes it large: what the user typed, or what another
        // version put in the file, which is kept as it came.
        const QByteArray theirs =
            QJsonDocument(unknownIn(QJsonDocument::fromJson(bytes).object(), QString()))
                .toJson(QJsonDocument::Compact)
                .chopped(1)
                .sliced(1); // the members, not the braces around them
        const QString cause =
            bytes.size() - theirs.size() > kCaseFileMaxBytes
                ? CaseFileWords::tr("Shorten the longest entries")
                : CaseFileWords::tr("%1 bytes of it are what another version of Quorrel or "
                                    "another program put in the file, which this Quorrel keeps "
                                    "as they came")
                      .arg(wholeNumber(double(theirs.size())));
        //: Why a case could not be saved, after "could not be saved as <file>:"; %1 is its
        //: size in bytes, %2 a sentence on what to do, without its full stop.
        return CaseFileWords::tr("it would be %1 bytes, larger than a case file can be (1 MB), "
                                 "and no Quorrel could open it again. %2")
            .arg(wholeNumber(double(bytes.size())), cause);
    }
    return writeWholeFile(path, bytes);
}

} // namespace quorrel::ui
