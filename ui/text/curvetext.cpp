#include "curvetext.h"

#include "wording.h"

#include <QCoreApplication>
#include <QStringList>

namespace quorrel::ui
{
namespace
{

class CurveWords
{
    Q_DECLARE_TR_FUNCTIONS(CurveWords)
};

} // namespace

QString readingText(ClockTime foundAt, const MarkedPoint &reading, bool withDay)
{
    //: A reading: its temperature, then its time ("75 °F at 2:00:00 AM").
    return CurveWords::tr("%1 at %2")
        .arg(typedDegrees(reading.temperature), momentText(foundAt, reading.hours, withDay));
}

bool curvesNamed(const QList<const MethodRecord *> &drawn)
{
    return drawn.size() > 1 || (drawn.size() == 1 && drawn.first()->namedAlone);
}

QString curveSummary(const CaseRecord *record)
{
    if (!record || record->methods.isEmpty())
        return CurveWords::tr("Calculate an estimate to see its curve.");
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
        //: The room's temperature, a sentence of its own after the curves'.
        text += ' ' + CurveWords::tr("Room %1.").arg(typedDegrees(drawn.first()->result.ambient));
    return text;
}

QString pointOnCurve(const CaseRecord &record, double hours)
{
    const QList<const MethodRecord *> methods = drawnMethods(record);
    const auto temperature = [&](const MethodRecord *method) {
        return shownDegrees(method->result.temperatureAt(hours), 1);
    };
    const QString moment = momentText(record.foundAt, hours, curveNamesDays(record));
    if (!curvesNamed(methods))
        //: A point of the curve: its time, then its temperature ("7:40:44 PM, 95.3 °F").
        return methods.isEmpty()
                   ? QString()
                   : CurveWords::tr("%1, %2").arg(moment, temperature(methods.first()));
    // Each curve that runs at that time, by name.
    QStringList on;
    for (const MethodRecord *method : methods)
        if (hours >= method->result.curveFrom() && hours <= method->result.curveTo)
            //: A curve's name and its temperature at a time: "Henssge's nomogram 95.3 °F".
            on.append(CurveWords::tr("%1 %2").arg(method->name, temperature(method)));
    //: A time, then each curve's temperature at it ("7:40:44 PM: Newton's law of cooling
    //: 95.3 °F, Henssge's nomogram 94.1 °F").
    return on.isEmpty() ? QString()
                        : CurveWords::tr("%1: %2").arg(moment, on.join(QStringLiteral(", ")));
}

} // namespace quorrel::ui
