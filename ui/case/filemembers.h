#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cstdint>

namespace quorrel::ui
{

// The most a box holds: a longer entry in a file would be cut on opening.
inline constexpr qsizetype kTypedMaxLength = 32767;

// A member's name as messages about a file give it: in quotes.
QString quoted(const QString &name);
// The way to a member inside another: "\"methods\" › \"signs\"".
QString inside(const QString &where, const QString &name);

// Reads the members of a case file's objects as the types they must be, and
// words the first that is not, in words that follow "<file> ".
class FileMembers
{
public:
    QString problem;

    // Text where given; an absent member is empty, as an untouched box is.
    QString text(const QJsonObject &object, const QString &name, const QString &where);
    // Text a box shows: no longer than a box holds, and nothing a box
    // cannot show (a NUL would end what it shows).
    QString typed(const QJsonObject &object, const QString &name, const QString &where);
    bool flag(const QJsonObject &object, const QString &name, const QString &where);
    QJsonObject object(const QJsonObject &parent, const QString &name, const QString &where);
    double number(const QJsonObject &object, const QString &name, const QString &where);
    // A whole number within the bounds; an absent member is 0.
    std::int64_t whole(const QJsonObject &object, const QString &name, const QString &where,
                       int lowest, int highest);

    void wrong(const QString &where, const QString &name, const QString &should,
               const QJsonValue &value);
    void wrongValue(const QString &where, const QString &name, const QString &should);
};

} // namespace quorrel::ui
