#include "curvetext.h"

#include "wording.h"

#include <QStringList>

namespace quorrel::ui
{

QString readingText(ClockTime foundAt, const MarkedPoint &reading, bool withDay)
{
    return typedDegrees(reading.temperature) + QStringLiteral(" at ") +
           momentText(foundAt, reading.hours, withDay);
}

bool curvesNamed(const QList<const MethodRecord *> &drawn)
{
    return drawn.size() > 1 || (drawn.size() == 1 && drawn.first()->namedAlone);
}

QString curveSummary(const CaseRecord *record)
{
    if (!record || record->methods.isEmpty())
        return QStringLiteral("Calculate an estimate to see its curve.");
    const bool withDay = curveNamesDays(*record);
    const bool named = record->methods.size() > 1 || record->methods.first().namedAlone;
    QString text;
    bool roomNamed = false;
    // Each method in its own words, one sentence after another.
    for (const MethodRecord &method : record->methods) {
        if (!text.isEmpty())
            text += text.endsWith('.') ? QStringLiteral(" ") : QStringLiteral(". ");
        text += method.inWords(record->foundAt, withDay, named);
        roomNamed = roomNamed || method.wordsNameTheRoom;
    }
    // The room is a curve's: a record with none (an interval alone) has no
    // room to name.
    const QList<const MethodRecord *> drawn = drawnMethods(*record);
    if (!roomNamed && !drawn.isEmpty())
        text += QStringLiteral(" Room ") + typedDegrees(drawn.first()->result.ambient) + '.';
    return text;
}

QString pointOnCurve(const CaseRecord &record, double hours)
{
    const QList<const MethodRecord *> methods = drawnMethods(record);
    const auto temperature = [&](const MethodRecord *method) {
        return degrees(numberWithDecimals(method->result.temperatureAt(hours), 1));
    };
    const QString moment = momentText(record.foundAt, hours, curveNamesDays(record));
    if (!curvesNamed(methods))
        return methods.isEmpty() ? QString()
                                 : moment + QStringLiteral(", ") + temperature(methods.first());
    // Each curve that runs at that time, by name.
    QStringList on;
    for (const MethodRecord *method : methods)
        if (hours >= method->result.curveFrom() && hours <= method->result.curveTo)
            on.append(method->name + ' ' + temperature(method));
    return on.isEmpty() ? QString() : moment + QStringLiteral(": ") + on.join(QStringLiteral(", "));
}

} // namespace quorrel::ui
