#include "application.h"
#include "confidence.h"
#include "cooling.h"
#include "curve.h"
#include "curvelayout.h"
#include "estimate.h"
#include "henssge.h"
#include "henssgetext.h"
#include "newtontext.h"
#include "signs.h"
#include "signscase.h"
#include "widgets.h"
#include "wording.h"

#include <QElapsedTimer>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegularExpression>
#include <QtTest>

#include <random>

using namespace quorrel;
using namespace quorrel::ui;

namespace
{

// Which estimates the record holds: Calculate's, Henssge's beside it (70 kg,
// naked in still air), or Henssge's from the first reading alone; with the
// signs of death combined (rigor at its maximum, the eyelid at grade III,
// examined `elapsed` hours after discovery), or those alone.
enum class Methods { Newton, Both, Henssge, BothWithSigns, SignsAlone };

// The record the windows would publish for these readings, or none where
// the methods give no estimate or the clock cannot hold it.
std::optional<CaseRecord> recordFor(ClockTime foundAt, Readings r,
                                    Methods methods = Methods::Newton)
{
    CaseRecord record;
    record.foundAt = foundAt;
    if (methods == Methods::SignsAlone || methods == Methods::BothWithSigns) {
        std::optional<CaseRecord> others;
        if (methods == Methods::BothWithSigns)
            others = recordFor(foundAt, r, Methods::Both);
        const SignsChoice signs{
            {ClockTime{std::int32_t((foundAt.seconds + std::int64_t(r.elapsed * 3600)) % 86400)},
             (foundAt.seconds + std::int64_t(r.elapsed * 3600)) / 86400},
            std::nullopt,
            {*signRowFor(DeathSign::RigorMaximal, SignFinding::Yes),
             *signRowFor(DeathSign::ElectricalEyelid, SignFinding::GradeIII)}};
        return combineSignsCase(CaseEntries{foundAt, {}, {}, {}, {}}, signs, others).record;
    }
    if (methods != Methods::Henssge) {
        const Result<double> hours =
            estimateHoursSinceDeath(r.ambient, r.first, r.second, r.elapsed);
        if (!hours)
            return std::nullopt;
        const Result<Confidence> confidence =
            judgeEstimate(r.ambient, r.first, r.second, r.elapsed, *hours);
        if (!confidence)
            return std::nullopt;
        Estimate estimate;
        estimate.hoursSinceDeath = *hours;
        estimate.foundAt = foundAt;
        estimate.deathAt = foundAt;
        estimate.confidence = confidence;
        estimate.result = newtonResult(r, *hours, confidence, coolingCurve(r, *hours));
        record.methods.append(newtonRecord(estimate, CaseEntries{}));
    }
    if (methods != Methods::Newton) {
        const HenssgeInput input{fahrenheitToCelsius(r.ambient), fahrenheitToCelsius(r.first), 70,
                                 1.0, true};
        const HenssgeResult henssge = estimateHenssge(input);
        if (!henssge.estimate)
            return methods == Methods::Both ? std::optional(record) : std::nullopt;
        record.methods.append(
            henssgeRecord(foundAt, {},
                          henssgeMethodResult(input, *henssge.estimate, r.ambient, r.first,
                                              methods == Methods::Both ? r.elapsed : 0.0),
                          QString(), {}));
    }
    return record;
}

} // namespace

Q_DECLARE_METATYPE(quorrel::Readings)
Q_DECLARE_METATYPE(Methods)

class CurveLayoutTest : public QObject
{
    Q_OBJECT

    int laidOut = 0;
    QList<qint64> timesNs;

    // What every layout must be, whatever the estimate: words apart and
    // inside the area, a time in every label, a bounded number of marks.
    void check(const CaseRecord &record, const QSizeF &size, std::optional<double> cursor,
               const QString &what, const QFont &font = windowFont())
    {
        const QRectF area(QPointF(3, 5), size);
        QElapsedTimer timer;
        timer.start();
        const CurveLayout layout = layOutCurve(area, font, &record, cursor);
        // The first layout also loads the font.
        if (laidOut++ > 0)
            timesNs.append(timer.nsecsElapsed());
        const QByteArray where = what.toUtf8();
        QVERIFY2(layout.hasPlot() || !layout.words.isEmpty(), where);
        // An interval alone is drawn on its time axis wherever there is room.
        if (drawnMethods(record).isEmpty() && !intervalsAlone(record).isEmpty() &&
            size.width() >= 300 && size.height() >= 200)
            QVERIFY2(layout.hasPlot(), where);
        if (!layout.hasPlot())
            return;
        // In °C the temperature lines stand at whole or half degrees Celsius.
        static const QRegularExpression degreesC(QStringLiteral("^-?[0-9.]+ \u00B0C$"));
        for (const PlotText &text : layout.texts)
            if (degreesC.match(text.text).hasMatch())
                QVERIFY2(std::fmod(text.text.section(' ', 0, 0).toDouble() * 2, 1.0) == 0.0,
                         qPrintable(what + ": " + text.text));
        QVERIFY2(layout.timeLines.size() <= 12, where);
        QVERIFY2(layout.midnightLines.size() <= 4, where);
        for (const PlotCurve &curve : layout.curves)
            QVERIFY2(curve.points.size() <= std::max(65.0, size.width() / 2 + 1), where);
        // Henssge's limits, a few hours, are seen whole.
        const MethodRecord *nomogram = record.method(kHenssgeKey);
        if (nomogram && nomogram->result.spreadHours) {
            const MethodResult &henssge = nomogram->result;
            QVERIFY2(layout.x(henssge.curveFrom() - *henssge.spreadHours) >= layout.plot.left() &&
                         layout.x(henssge.curveFrom() + *henssge.spreadHours) <=
                             layout.plot.right() + 1e-9,
                     where);
        }
        // An interval that ends at discovery is drawn so.
        const QList<const MethodRecord *> shown = drawnMethods(record) + intervalsAlone(record);
        QCOMPARE(layout.curves.size(), shown.size());
        for (qsizetype i = 0; i < layout.curves.size(); ++i) {
            const std::optional<std::pair<double, double>> &band = layout.curves.at(i).band;
            if (band && shown.at(i)->intervalEndsAtDiscovery)
                QVERIFY2(band->second <= std::max(layout.x(0.0), band->first + 1.0) + 1e-6,
                         qPrintable(what + ": an interval past discovery"));
        }
        // In the worked example every word beside a point and the legend keep
        // clear of the axis, the midnights, the room and the temperatures at
        // death, in the window's first size and on the sheet alike.
        if (what.startsWith(QLatin1String("worked example")) && size.width() >= 600) {
            QList<double> across{layout.roomY};
            for (const PlotCurve &curve : layout.curves)
                across.append(curve.startY);
            const QList<double> down = QList<double>{layout.plot.left()} + layout.midnightLines;
            for (const PlotText &text : layout.texts) {
                const bool beside = text.legendOf || text.text.contains(QLatin1String(" at ")) ||
                                    text.text.contains(QLatin1String("died"));
                if (!beside)
                    continue;
                for (double y : across)
                    QVERIFY2(
                        !(y > text.box.top() && y < text.box.bottom()),
                        qPrintable(what +
                                   QStringLiteral(" %1x%2").arg(size.width()).arg(size.height()) +
                                   ": a line through " + text.text));
                for (double x : down)
                    QVERIFY2(
                        !(x > text.box.left() && x < text.box.right()),
                        qPrintable(what +
                                   QStringLiteral(" %1x%2").arg(size.width()).arg(size.height()) +
                                   ": a line through " + text.text));
            }
        }
        static const QRegularExpression noTime(QStringLiteral(" at (;|,|$)|^, | at  "));
        for (qsizetype i = 0; i < layout.texts.size(); ++i) {
            const PlotText &text = layout.texts.at(i);
            QVERIFY2(area.contains(text.box), qPrintable(what + ": outside: " + text.text));
            QVERIFY2(!noTime.match(text.text).hasMatch(),
                     qPrintable(what + ": no time: " + text.text));
            // The line labels never cover a curve.
            if (text.text.startsWith(QStringLiteral("room ")) ||
                text.text == QStringLiteral("98.6 \u00B0F") ||
                text.text == QStringLiteral("98.96 \u00B0F")) {
                for (const PlotCurve &plotted : layout.curves) {
                    QPainterPath curve;
                    curve.addPolygon(plotted.points);
                    QPainterPathStroker stroke;
                    QVERIFY2(!stroke.createStroke(curve).intersects(text.box),
                             qPrintable(what + ": over a curve: " + text.text));
                }
            }
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!layout.texts.at(j).box.intersects(text.box),
                         qPrintable(what + ": " + text.text + " over " + layout.texts.at(j).text));
        }
    }

private slots:
    void initTestCase() { setUpApplication(); }

    // The spans users met: billions of days of spread, 95 days, a reading
    // beyond the clock, the worked example, and a few hundred seeded others.
    void wordsNeverMeetOrLeaveTheArea_data()
    {
        QTest::addColumn<Readings>("readings");
        QTest::addColumn<Methods>("methods");
        QTest::newRow("worked example") << Readings{60, 80, 75, 2} << Methods::Newton;
        QTest::newRow("worked example in \u00B0C")
            << Readings{59, 80.6, 76.1, 2} << Methods::Newton;
        QTest::newRow("spread of billions of days")
            << Readings{60, 80, 79.800000001, 400} << Methods::Newton;
        QTest::newRow("95 days") << Readings{60, 80, 75, 1000} << Methods::Newton;
        QTest::newRow("978 days before") << Readings{60, 80, 79.801, 2} << Methods::Newton;
        QTest::newRow("a reading beyond the clock")
            << Readings{60, 80, 60.0000001, 900000} << Methods::Newton;
        QTest::newRow("a room far below") << Readings{-1234567.891, 80, 75, 2} << Methods::Newton;
        QTest::newRow("first reading at normal") << Readings{60, 98.6, 75, 2} << Methods::Newton;
        QTest::newRow("below absolute zero") << Readings{-500, 80, 75, 2} << Methods::Newton;
        QTest::newRow("worked example, both methods") << Readings{60, 80, 75, 2} << Methods::Both;
        QTest::newRow("one reading, Henssge alone") << Readings{59, 82.4, 0, 0} << Methods::Henssge;
        QTest::newRow("one reading, Henssge's limits reach past discovery")
            << Readings{60, 98, 0, 0} << Methods::Henssge;
        QTest::newRow("both, Henssge without limits") << Readings{50, 56, 55, 3} << Methods::Both;
        QTest::newRow("both, Henssge from a body at 37.2 C")
            << Readings{60, 98.96, 90, 2} << Methods::Both;
        QTest::newRow("both, 95 days of Newton") << Readings{60, 80, 75, 1000} << Methods::Both;
        QTest::newRow("both, Newton doubtful") << Readings{-500, 80, 75, 2} << Methods::Both;
        QTest::newRow("worked example, both and the signs")
            << Readings{60, 80, 75, 2} << Methods::BothWithSigns;
        QTest::newRow("signs alone, examined when found")
            << Readings{60, 80, 75, 0} << Methods::SignsAlone;
        QTest::newRow("signs alone, examined two hours later")
            << Readings{60, 80, 75, 2} << Methods::SignsAlone;
    }
    void wordsNeverMeetOrLeaveTheArea()
    {
        QFETCH(Readings, readings);
        QFETCH(Methods, methods);
        const bool celsius = QString(QTest::currentDataTag()).endsWith(QStringLiteral("\u00B0C"));
        showTemperaturesIn(celsius ? TemperatureUnit::Celsius : TemperatureUnit::Fahrenheit);
        const std::optional<CaseRecord> record = recordFor(ClockTime{0}, readings, methods);
        QVERIFY(record);
        const auto span = curveSpan(*record);
        for (QSizeF size : {QSizeF(360, 260), QSizeF(600, 420), QSizeF(1600, 1000)})
            for (double at : {span ? span->first : 0.0, 0.0, span ? span->second : 0.0})
                check(*record, size, at, QTest::currentDataTag());
        // The sheet's curve at print size, on A4 and on Letter, in its
        // smaller print.
        QFont print = windowFont();
        print.setPointSizeF(8);
        for (QSizeF size : {QSizeF(657, 330), QSizeF(686, 300), QSizeF(657, 520)})
            check(*record, size, std::nullopt, QTest::currentDataTag(), print);
        showTemperaturesIn(TemperatureUnit::Fahrenheit);
    }

    void seededEstimates()
    {
        const quint64 seed = qEnvironmentVariableIsSet("QUORREL_RANDOM_SEED")
                                 ? qgetenv("QUORREL_RANDOM_SEED").toULongLong()
                                 : 20261208;
        std::mt19937_64 random(seed);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        int drawn = 0;
        for (int i = 0; i < 400; ++i) {
            const double ambient = -40 + unit(random) * 130;
            const double first = ambient + unit(random) * (kNormalBodyTemperature - ambient);
            // Decimal readings, as typed to a tenth or to many places.
            const double second = ambient + unit(random) * (first - ambient);
            const double elapsed = std::pow(10.0, -2 + unit(random) * 7);
            // A third of the cases also have Henssge's estimate beside Newton's.
            const std::optional<CaseRecord> record =
                recordFor(ClockTime{static_cast<std::int32_t>(unit(random) * 86399)},
                          Readings{ambient, first, second, elapsed},
                          i % 3 == 0 ? Methods::Both : Methods::Newton);
            if (!record)
                continue;
            ++drawn;
            const auto span = curveSpan(*record);
            const double cursor =
                span ? span->first + unit(random) * (span->second - span->first) : 0.0;
            check(*record, QSizeF(300 + unit(random) * 1300, 200 + unit(random) * 800), cursor,
                  QStringLiteral("seed %1, estimate %2").arg(seed).arg(i));
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(drawn > 300);
    }

    void cleanupTestCase()
    {
        // A layout's cost depends on the area, never on the span of time: a
        // freeze of old would take seconds here, not a fraction of one.
        std::sort(timesNs.begin(), timesNs.end());
        qInfo("%d layouts: median %.3f ms, 99th percentile %.3f ms, slowest %.3f ms", laidOut,
              timesNs.at(timesNs.size() / 2) / 1e6, timesNs.at(timesNs.size() * 99 / 100) / 1e6,
              timesNs.last() / 1e6);
        QVERIFY(timesNs.last() < 250'000'000);
    }
};

QTEST_MAIN(CurveLayoutTest)
#include "curvelayout_test.moc"
