#include "cooling.h"
#include "estimate.h"
#include "henssgetext.h"
#include "newtontext.h"
#include "signstext.h"
#include "wording.h"

#include <QRegularExpression>
#include <QTextLayout>
#include <QTranslator>
#include <QtTest>

#include <cmath>

using namespace quorrel;
using namespace quorrel::ui;

namespace
{

// The method text of Newton's estimate from these readings (found at midnight).
QString methodFor(double ambient, double first, double second, double elapsed)
{
    const Readings r{ambient, first, second, elapsed};
    const double hours = *estimateHoursSinceDeath(ambient, first, second, elapsed);
    return newtonMethodText(newtonResult(
        r, hours, judgeEstimate(ambient, first, second, elapsed, hours), coolingCurve(r, hours)));
}

// Brackets every text it is asked for, so that words which bypass the
// translator show outside any brackets.
class Bracketing : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return '[' + QString::fromUtf8(source) + ']';
    }
};

} // namespace

class WordingTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Every number the windows, the curve and the sheet write, in three
    // locales: what was typed as typed, differences to the typed decimals.
    void numbersInTheUsersLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("expected");
        const QString d = QStringLiteral(" \u00B0F");
        const auto rows = [](const char *locale) {
            QLocale::setDefault(QLocale(QLatin1String(locale)));
            return QStringList{typedNumber(79.9),
                               numberWithDecimals(79.9 - 70, 1),
                               typedDegrees(-459.67),
                               typedNumber(0.0000001),
                               numberWithDecimals(-0.04, 1),
                               spreadLabel(5e12),
                               momentText(ClockTime{0}, 900000, false),
                               momentText(ClockTime{0}, 1000, true),
                               momentText(ClockTime{0}, -1e300, true),
                               spreadLabel(0.04 / 60),
                               *inPlainDigits("250e-1", 4)};
        };
        const QStringList what{"typed 79.9",
                               "79.9 less 70",
                               "absolute zero",
                               "a tenth of a millionth",
                               "rounded to nothing",
                               "a spread of billions of days",
                               "beyond the clock",
                               "41 days after",
                               "a typed span of 1e300 hours",
                               "under half a minute, as the sentence says",
                               "typed 250e-1, in plain digits"};
        const QList<std::pair<const char *, QStringList>> expected{
            {"en_US",
             {"79.9", "9.9", "-459.67" + d, "0.0000001", "0.0", "\u00B1208,333,333,333 days",
              "37,500 days 0 h after discovery", "4:00:00 PM, 41 days after",
              "4.17E+298 days 0 h before discovery", "\u00B1<1 min", "25.0"}},
            {"de_DE",
             {"79,9", "9,9", "-459,67" + d, "0,0000001", "0,0", "\u00B1208.333.333.333 days",
              "37.500 days 0 h after discovery", "4:00:00 PM, 41 days after",
              "4,17E+298 days 0 h before discovery", "\u00B1<1 min", "25,0"}},
            {"ar_EG",
             {"\u0667\u0669\u066B\u0669", "\u0669\u066B\u0669",
              "\u061C-\u0664\u0665\u0669\u066B\u0666\u0667" + d,
              "\u0660\u066B\u0660\u0660\u0660\u0660\u0660\u0660\u0661", "\u0660\u066B\u0660",
              "\u00B1\u0662\u0660\u0668\u066C\u0663\u0663\u0663\u066C\u0663\u0663\u0663\u066C"
              "\u0663\u0663\u0663 days",
              "\u0663\u0667\u066C\u0665\u0660\u0660 days \u0660 h after discovery",
              "\u0664:\u0660\u0660:\u0660\u0660 PM, \u0664\u0661 days after",
              "\u0664\u066B\u0661\u0667\u0627\u0633\u061C+\u0662\u0669\u0668 days \u0660 h before "
              "discovery",
              "\u00B1<1 min", "\u0662\u0665\u066B\u0660"}},
        };
        for (const auto &[locale, texts] : expected) {
            const QStringList written = rows(locale);
            for (qsizetype i = 0; i < what.size(); ++i)
                QTest::addRow("%s, %s", locale, qPrintable(what[i]))
                    << QString::fromLatin1(locale) << written[i] << texts[i];
        }
    }
    void numbersInTheUsersLocale()
    {
        QFETCH(QString, written);
        QFETCH(QString, expected);
        QCOMPARE(written, expected);
    }

    // The method as written: no binary noise, and the formula gives the
    // result it states (it once printed a negative expression).
    void methodFormulaGivesItsResult_data()
    {
        QTest::addColumn<QList<double>>("readings");
        QTest::addColumn<QString>("excess");
        QTest::newRow("worked example") << QList<double>{60, 80, 75, 2} << "from 20 \u00B0F to 15";
        QTest::newRow("decimal readings")
            << QList<double>{70, 79.9, 75.3, 2} << "from 9.9 \u00B0F to 5.3";
        QTest::newRow("nine significant digits")
            << QList<double>{-450.123456, 80.654321, 75.5, 2.25}
            << "from 530.777777 \u00B0F to 525.623456";
        QTest::newRow("readings nearly equal, years")
            << QList<double>{60, 80, 79.800000001, 400} << "from 20 \u00B0F to 19.800000001";
        // A fifth number: the case is in °C, which names the start to one decimal.
        QTest::newRow("in \u00B0C")
            << QList<double>{59, 80.6, 76.1, 2, 1} << "(37.0 \u00B0C less the room's 15 \u00B0C)";
    }
    void methodFormulaGivesItsResult()
    {
        QFETCH(QList<double>, readings);
        QFETCH(QString, excess);
        showTemperaturesIn(readings.size() > 4 ? TemperatureUnit::Celsius
                                               : TemperatureUnit::Fahrenheit);
        const QString text = methodFor(readings[0], readings[1], readings[2], readings[3]);
        showTemperaturesIn(TemperatureUnit::Fahrenheit);
        QVERIFY2(text.contains(excess), qPrintable(text));
        static const QRegularExpression formula(
            QStringLiteral("\u2066t = ([0-9.]+) \u00D7 log\\(([0-9.]+) / ([0-9.]+)\\) / "
                           "log\\(([0-9.]+) / ([0-9.]+)\\) = ([0-9.]+)\u2069 hours"));
        const QRegularExpressionMatch m = formula.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        QCOMPARE(m.captured(3), m.captured(4));
        const double t = m.captured(1).toDouble() *
                         std::log(m.captured(2).toDouble() / m.captured(3).toDouble()) /
                         std::log(m.captured(4).toDouble() / m.captured(5).toDouble());
        // Written to six significant digits: within half of the last.
        const QString result = m.captured(6);
        const int decimals =
            result.contains('.') ? int(result.size() - result.indexOf('.') - 1) : 0;
        QVERIFY2(std::fabs(t - result.toDouble()) <= 0.5 * std::pow(10.0, -decimals) * 1.0001,
                 qPrintable(QStringLiteral("%1 gives %2").arg(text).arg(t, 0, 'g', 17)));
    }

    // In German the sheet and the curve write the same decimal comma; in
    // Arabic the formula stays left to right inside the sentence.
    // Every word reaches the translator: what is left outside brackets is
    // numbers, signs, units and AM/PM.
    void wordsGoThroughTheTranslator()
    {
        Bracketing bracketing;
        QCoreApplication::installTranslator(&bracketing);
        QStringList texts{methodFor(60, 80, 75, 2),
                          momentText(ClockTime{0}, -30, true),
                          momentText(ClockTime{0}, -1e6, true),
                          spanWords(30),
                          spanWords(0.5),
                          spreadLabel(100.0),
                          spreadLabel(std::nullopt),
                          noTimeFoundText(),
                          kRoomEntry + kInMainWindow,
                          conditionShown(kOtherConditionId),
                          henssgeReadingRange()};
        for (const HenssgeCondition &condition : henssgeConditions())
            texts << conditionItem(condition);
        for (const SignRow &row : signsOfDeath())
            texts << signName(row.sign) + pickItem(row);
        QCoreApplication::removeTranslator(&bracketing);
        const QRegularExpression innermost(QStringLiteral("\\[[^\\[\\]]*\\]"));
        const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}"));
        for (QString text : texts) {
            while (text.contains(innermost))
                text.remove(innermost);
            text.remove(QRegularExpression(QStringLiteral("\\b(AM|PM)\\b")));
            QVERIFY2(!text.contains(words), qPrintable(text));
        }
    }

    void methodInOtherLocales()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        QString text = methodFor(70, 79.9, 75.3, 2);
        QVERIFY2(text.contains(QStringLiteral("fell from 9,9 \u00B0F to 5,3 \u00B0F in 2 hours")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("(98,6 \u00B0F less the room's 70 \u00B0F)")),
                 qPrintable(text));
        // Laid out as a reader sees it, the Arabic fractions read left to
        // right: 38.6 before 20, and 20 before 15.
        QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
        text = methodFor(60, 80, 75, 2);
        QTextLayout line(text);
        line.setTextOption(QTextOption(Qt::AlignLeft));
        line.beginLayout();
        line.createLine();
        line.endLayout();
        const auto xOf = [&](const QString &number, qsizetype from) {
            const qsizetype at = text.indexOf(number, from);
            return at < 0 ? -1.0 : line.lineAt(0).cursorToX(int(at));
        };
        const qsizetype formula = text.indexOf(QStringLiteral("log("));
        const QString n38 = QStringLiteral("\u0663\u0668\u066B\u0666");
        const QString n20 = QStringLiteral("\u0662\u0660");
        const QString n15 = QStringLiteral("\u0661\u0665");
        const qsizetype second = text.indexOf(QStringLiteral("log("), formula + 1);
        QVERIFY2(formula > 0 && second > 0, qPrintable(text));
        QVERIFY2(xOf(n38, formula) < xOf(n20, formula), qPrintable(text));
        QVERIFY2(xOf(n20, second) < xOf(n15, second), qPrintable(text));
        // A value and its ± keep their order as laid out: 60 before 1.8.
        const QString n60 = QStringLiteral("\u0666\u0660");
        const QString n18 = QStringLiteral("\u0661\u066B\u0668");
        text =
            QStringLiteral("With the room at ") + plusMinus(n60, n18) + QStringLiteral(" \u00B0F");
        line.setText(text);
        line.beginLayout();
        line.createLine();
        line.endLayout();
        QVERIFY2(xOf(n60, 0) < xOf(n18, 0), qPrintable(text));
    }
};

QTEST_MAIN(WordingTest)
#include "wording_test.moc"
