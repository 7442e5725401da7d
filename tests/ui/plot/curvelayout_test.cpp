#include "application.h"
#include "confidence.h"
#include "cooling.h"
#include "curve.h"
#include "estimate.h"
#include "plot/curvelayout.h"
#include "widgets.h"

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

// The record Calculate would publish for these readings, or none where the
// law gives no estimate or the clock cannot hold it.
std::optional<CaseRecord> recordFor(ClockTime foundAt, Readings r)
{
    const Result<double> hours = estimateHoursSinceDeath(r.ambient, r.first, r.second, r.elapsed);
    if (!hours)
        return std::nullopt;
    const Result<Confidence> confidence =
        judgeEstimate(r.ambient, r.first, r.second, r.elapsed, *hours);
    if (!confidence)
        return std::nullopt;
    CaseRecord record;
    record.foundAt = foundAt;
    record.newton.result = newtonResult(r, *hours, confidence, coolingCurve(r, *hours));
    return record;
}

} // namespace

Q_DECLARE_METATYPE(quorrel::Readings)

class CurveLayoutTest : public QObject
{
    Q_OBJECT

    int laidOut = 0;
    QList<qint64> timesNs;

    // What every layout must be, whatever the estimate: words apart and
    // inside the area, a time in every label, a bounded number of marks.
    void check(const CaseRecord &record, const QSizeF &size, std::optional<double> cursor,
               const QString &what)
    {
        const QRectF area(QPointF(3, 5), size);
        QElapsedTimer timer;
        timer.start();
        const CurveLayout layout = layOutCurve(area, windowFont(), &record, cursor);
        // The first layout also loads the font.
        if (laidOut++ > 0)
            timesNs.append(timer.nsecsElapsed());
        const QByteArray where = what.toUtf8();
        QVERIFY2(layout.hasPlot() || !layout.words.isEmpty(), where);
        if (!layout.hasPlot())
            return;
        QVERIFY2(layout.timeLines.size() <= 12, where);
        QVERIFY2(layout.midnightLines.size() <= 4, where);
        QVERIFY2(layout.curve.size() <= std::max(65.0, size.width() / 2 + 1), where);
        static const QRegularExpression noTime(QStringLiteral(" at (;|,|$)|^, | at  "));
        for (qsizetype i = 0; i < layout.texts.size(); ++i) {
            const PlotText &text = layout.texts.at(i);
            QVERIFY2(area.contains(text.box), qPrintable(what + ": outside: " + text.text));
            QVERIFY2(!noTime.match(text.text).hasMatch(),
                     qPrintable(what + ": no time: " + text.text));
            // The line labels never cover the curve.
            if (text.text.startsWith(QStringLiteral("room ")) ||
                text.text == QStringLiteral("98.6 \u00B0F")) {
                QPainterPath curve;
                curve.addPolygon(layout.curve);
                QPainterPathStroker stroke;
                QVERIFY2(!stroke.createStroke(curve).intersects(text.box),
                         qPrintable(what + ": over the curve: " + text.text));
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
        QTest::newRow("worked example") << Readings{60, 80, 75, 2};
        QTest::newRow("spread of billions of days") << Readings{60, 80, 79.800000001, 400};
        QTest::newRow("95 days") << Readings{60, 80, 75, 1000};
        QTest::newRow("978 days before") << Readings{60, 80, 79.801, 2};
        QTest::newRow("a reading beyond the clock") << Readings{60, 80, 60.0000001, 900000};
        QTest::newRow("a room far below") << Readings{-1234567.891, 80, 75, 2};
        QTest::newRow("first reading at normal") << Readings{60, 98.6, 75, 2};
        QTest::newRow("below absolute zero") << Readings{-500, 80, 75, 2};
    }
    void wordsNeverMeetOrLeaveTheArea()
    {
        QFETCH(Readings, readings);
        const std::optional<CaseRecord> record = recordFor(ClockTime{0}, readings);
        QVERIFY(record);
        const MethodResult &result = record->newton.result;
        for (QSizeF size : {QSizeF(360, 260), QSizeF(600, 420), QSizeF(1600, 1000)})
            for (double at : {result.curveFrom(), 0.0, result.curveTo})
                check(*record, size, at, QTest::currentDataTag());
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
            const std::optional<CaseRecord> record =
                recordFor(ClockTime{static_cast<std::int32_t>(unit(random) * 86399)},
                          Readings{ambient, first, second, elapsed});
            if (!record)
                continue;
            ++drawn;
            const MethodResult &result = record->newton.result;
            const double cursor =
                result.curveFrom() + unit(random) * (result.curveTo - result.curveFrom());
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
