#include "filemembers.h"

#include "wording.h"

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

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
        wrong(where, name, QStringLiteral("text"), value);
    return value.toString();
}

QString FileMembers::typed(const QJsonObject &object, const QString &name, const QString &where)
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

bool FileMembers::flag(const QJsonObject &object, const QString &name, const QString &where)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined())
        return false;
    if (!value.isBool())
        wrong(where, name, QStringLiteral("true or false"), value);
    return value.toBool();
}

QJsonObject FileMembers::object(const QJsonObject &parent, const QString &name,
                                const QString &where)
{
    const QJsonValue value = parent.value(name);
    if (!value.isUndefined() && !value.isObject())
        wrong(where, name, QStringLiteral("an object"), value);
    return value.toObject();
}

double FileMembers::number(const QJsonObject &object, const QString &name, const QString &where)
{
    const QJsonValue value = object.value(name);
    if (!value.isDouble())
        wrong(where, name, QStringLiteral("a number"), value);
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
            QStringLiteral("a whole number from %1 to %2").arg(lowest).arg(highest);
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
        problem = QStringLiteral("is not a case this Quorrel can read: %1\"%2\" should be %3, "
                                 "but it is %4")
                      .arg(leadingTo(where), name, should, typeName(value));
}

void FileMembers::wrongValue(const QString &where, const QString &name, const QString &should)
{
    if (problem.isEmpty())
        problem = QStringLiteral("is not a case this Quorrel can read: %1\"%2\" should be %3")
                      .arg(leadingTo(where), name, should);
}

} // namespace quorrel::ui
