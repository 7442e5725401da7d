#include "filemembers.h"

#include "wording.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

class FileMemberWords
{
    Q_DECLARE_TR_FUNCTIONS(FileMemberWords)
};

// What a member of the file is, after "but it is".
QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null"); // JSON's own word
    case QJsonValue::Bool:
        return FileMemberWords::tr("true or false");
    case QJsonValue::Double:
        return FileMemberWords::tr("a number");
    case QJsonValue::String:
        return FileMemberWords::tr("text");
    case QJsonValue::Array:
        return FileMemberWords::tr("a list");
    case QJsonValue::Object:
        return FileMemberWords::tr("an object");
    case QJsonValue::Undefined:
        break;
    }
    return FileMemberWords::tr("missing");
}

QString leadingTo(const QString &where)
{
    return where.isEmpty() ? QString() : where + QStringLiteral(" \u203A ");
}

} // namespace

QString quoted(const QString &name)
{
    return '"' + name + '"';
}

QString inside(const QString &where, const QString &name)
{
    return leadingTo(where) + quoted(name);
}

QString FileMembers::text(const QJsonObject &object, const QString &name, const QString &where)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined())
        return QString();
    if (!value.isString())
        wrong(where, name, FileMemberWords::tr("text"), value);
    return value.toString();
}

QString FileMembers::typed(const QJsonObject &object, const QString &name, const QString &where)
{
    const QString value = text(object, name, where);
    if (value.size() > kTypedMaxLength)
        wrongValue(where, name,
                   //: What a member of the file should be; %1 is a number.
                   FileMemberWords::tr("at most %1 characters long, as a box holds")
                       .arg(wholeNumber(double(kTypedMaxLength))));
    else if (std::any_of(value.begin(), value.end(),
                         [](QChar c) { return c.category() == QChar::Other_Control; }))
        wrongValue(where, name, FileMemberWords::tr("text without control characters"));
    return value;
}

bool FileMembers::flag(const QJsonObject &object, const QString &name, const QString &where)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined())
        return false;
    if (!value.isBool())
        wrong(where, name, FileMemberWords::tr("true or false"), value);
    return value.toBool();
}

QJsonObject FileMembers::object(const QJsonObject &parent, const QString &name,
                                const QString &where)
{
    const QJsonValue value = parent.value(name);
    if (!value.isUndefined() && !value.isObject())
        wrong(where, name, FileMemberWords::tr("an object"), value);
    return value.toObject();
}

double FileMembers::number(const QJsonObject &object, const QString &name, const QString &where)
{
    const QJsonValue value = object.value(name);
    if (!value.isDouble())
        wrong(where, name, FileMemberWords::tr("a number"), value);
    return value.toDouble();
}

std::int64_t FileMembers::whole(const QJsonObject &object, const QString &name,
                                const QString &where, int lowest, int highest)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined())
        return 0;
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < lowest || number > highest) {
        const QString should =
            FileMemberWords::tr("a whole number from %1 to %2").arg(lowest).arg(highest);
        if (value.isDouble())
            wrongValue(where, name, should);
        else
            wrong(where, name, should, value);
        return 0;
    }
    return std::int64_t(number);
}

void FileMembers::wrong(const QString &where, const QString &name, const QString &should,
                        const QJsonValue &value)
{
    if (problem.isEmpty())
        //: Follows the file's name. %1 is the way to the member, each name quoted and
        //: followed by " › ", or nothing; %2 the member's name as the file writes it; %3 what
        //: it should be ("a number"); %4 what it is ("text").
        problem = FileMemberWords::tr("is not a case this Quorrel can read: %1\"%2\" should be "
                                      "%3, but it is %4")
                      .arg(leadingTo(where), name, should, typeName(value));
}

void FileMembers::wrongValue(const QString &where, const QString &name, const QString &should)
{
    if (problem.isEmpty())
        //: Follows the file's name. %1 is the way to the member, each name quoted and
        //: followed by " › ", or nothing; %2 the member's name as the file writes it; %3 what
        //: it should be ("a number").
        problem = FileMemberWords::tr("is not a case this Quorrel can read: %1\"%2\" should be %3")
                      .arg(leadingTo(where), name, should);
}

} // namespace quorrel::ui
