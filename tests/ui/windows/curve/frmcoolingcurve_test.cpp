#include "application.h"
#include "curveplot.h"
#include "forms.h"
#include "frmcoolingcurve.h"
#include "frmquorrelestimator.h"
#include "uitest.h"
#include "widgets.h"

#include <QLocale>
#include <QPointer>
#include <QPushButton>

using namespace quorrel::ui;
using namespace quorrel::test;

namespace
{
const QStringList kWorked{"60", "80", "75", "2"};
const QString kWorkedSummary = QStringLiteral(
    "From 98.6 \u00B0F at 7:25:44 PM to 80 \u00B0F at 12:00:00 AM, when the body was found, "
    "and 75 \u00B0F at 2:00:00 AM; room 60 \u00B0F");
const QString kEmpty = QStringLiteral("Calculate an estimate to see its curve.");
} // namespace

class CurveWindowTest : public QObject, public WindowFixture
{
    Q_OBJECT

    void calculate(const QStringList &entries) { enterAndCalculate(form, entries); }
    frmCoolingCurve *openByKeyboard()
    {
        form->activateWindow();
        QTest::keyClick(controls(form).txtAmbRoomTemp, Qt::Key_G, Qt::ControlModifier);
        frmCoolingCurve *curve = loadedCurveForm();
        if (curve && !QTest::qWaitForWindowActive(curve))
            return nullptr;
        return curve;
    }

private slots:
    void initTestCase() { setUpApplication(); }
    void init() { start(true); }
    void cleanup() { finish(); }

    // What the plot says (its description) after the main window's commands,
    // and what its cursor says (its name) after the keys.
    void followsTheMainWindow_data()
    {
        QTest::addColumn<bool>("openFirst");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("then");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("name");
        const QSize asOpened;
        QTest::newRow("opened before the first Calculate")
            << true << QStringList() << "" << asOpened << kEmpty << QList<int>{Qt::Key_Right}
            << "Cooling curve";
        QTest::newRow("Calculate draws the worked example; Right steps 15 minutes")
            << true << kWorked << "" << asOpened << kWorkedSummary
            << QList<int>{Qt::Key_Home, Qt::Key_Right} << "7:40:44 PM, 97.2 \u00B0F";
        QTest::newRow("opened after Calculate; End is the second reading")
            << false << kWorked << "" << asOpened << kWorkedSummary << QList<int>{Qt::Key_End}
            << "2:00:00 AM, 75.0 \u00B0F";
        QTest::newRow("Left stops at the death")
            << true << kWorked << "" << asOpened << kWorkedSummary
            << QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Left} << "7:25:44 PM, 98.6 \u00B0F";
        QTest::newRow("Right stops at the curve's end")
            << true << kWorked << "" << asOpened << kWorkedSummary << QList<int>(40, Qt::Key_Right)
            << "3:38:34 AM, 71.8 \u00B0F";
        QTest::newRow("Clear empties it") << true << kWorked << "clear" << asOpened << kEmpty
                                          << QList<int>{Qt::Key_End} << "Cooling curve";
        QTest::newRow("a failed Calculate leaves the last curve")
            << true << kWorked << "fail" << asOpened << kWorkedSummary << QList<int>{}
            << "Cooling curve";
        QTest::newRow("entries edited since are not drawn")
            << true << kWorked << "edit" << asOpened << kWorkedSummary << QList<int>{}
            << "Cooling curve";
        QTest::newRow("doubtful: the readings and why there is no curve")
            << true << QStringList{"60", "75", "80", "2"} << "" << asOpened
            << "No curve: Doubtful: the second reading is farther from the room temperature than "
               "the first, so the body was not cooling. 75 \u00B0F at 12:00:00 AM, when the body "
               "was found, and 80 \u00B0F at 2:00:00 AM; room 60 \u00B0F."
            << QList<int>{Qt::Key_End} << "Cooling curve";
        QTest::newRow("a spread of billions of days is drawn at once, the band cut at the edge")
            << true << QStringList{"60", "80", "79.800000001", "400"} << "" << asOpened
            << "From 98.6 \u00B0F at 2:55:27 PM, 1091 days before, to 80 \u00B0F at 12:00:00 AM, "
               "when the body was found, and 79.800000001 \u00B0F at 4:00:00 PM, 16 days after; "
               "room 60 \u00B0F"
            << QList<int>{Qt::Key_End} << "4:00:00 PM, 16 days after, 79.8 \u00B0F";
        QTest::newRow("95 days: times name their day; Page Down moves a tenth of the view")
            << true << QStringList{"60", "80", "75", "1000"} << "" << asOpened
            << "From 98.6 \u00B0F at 6:25:17 PM, 96 days before, to 80 \u00B0F at 12:00:00 AM, "
               "when the body was found, and 75 \u00B0F at 4:00:00 PM, 41 days after; room "
               "60 \u00B0F"
            << QList<int>{Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}
            << "9:07:07 PM, 79 days before, 94.3 \u00B0F";
        QTest::newRow("a reading beyond the clock's range is named in days and hours")
            << true << QStringList{"60", "80", "60.0000001", "900000"} << "" << asOpened
            << "From 98.6 \u00B0F at 11:47:47 PM, 1291 days before, to 80 \u00B0F at 12:00:00 AM, "
               "when the body was found, and 60.0000001 \u00B0F at 37500 days 0 h after discovery; "
               "room 60 \u00B0F"
            << QList<int>{Qt::Key_End} << "37500 days 0 h after discovery, 60.0 \u00B0F";
        QTest::newRow("below absolute zero: no curve, and the sentence says why")
            << true << QStringList{"-500", "80", "75", "2"} << "" << asOpened
            << "No curve: Doubtful: the room temperature is below absolute zero (-459.67 \u00B0F), "
               "which no temperature can be. 80 \u00B0F at 12:00:00 AM, when the body was found, "
               "and 75 \u00B0F at 2:00:00 AM; room -500 \u00B0F."
            << QList<int>{Qt::Key_End} << "Cooling curve";
        // Henssge's estimate (70 kg, naked in still air) beside Newton's, or
        // alone from one reading.
        const QString henssgeWorked = QStringLiteral(
            "Henssge's nomogram, dashed line: from 98.96 \u00B0F at about 9:40 AM the day before "
            "discovery (95 % limits \u00B12.8 h) to 80 \u00B0F at 12:00:00 AM, when the body "
            "was found.");
        const QString bothWorked = QStringLiteral("Newton's law, solid line: f") +
                                   kWorkedSummary.mid(1) + ". " + henssgeWorked;
        QTest::newRow("Henssge beside Newton: each curve named with its line")
            << true << kWorked << "henssge" << asOpened << bothWorked << QList<int>{Qt::Key_End}
            << "2:00:00 AM: Newton's law of cooling 75.0 \u00B0F, Henssge's nomogram 77.7 \u00B0F";
        QTest::newRow("Henssge's death comes first; Newton's curve joins at its own")
            << true << kWorked << "henssge" << asOpened << bothWorked
            << QList<int>{Qt::Key_Home,     Qt::Key_PageDown, Qt::Key_PageDown,
                          Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown}
            << "7:52:23 PM: Newton's law of cooling 96.2 \u00B0F, Henssge's nomogram 85.5 \u00B0F";
        QTest::newRow("one reading: Henssge's curve alone")
            << true << QStringList{"60", "80"} << "henssge" << asOpened
            << henssgeWorked + " Room 60 \u00B0F." << QList<int>{Qt::Key_Home}
            << "9:39:42 AM: Henssge's nomogram 99.0 \u00B0F";
        QTest::newRow("one reading, then Calculate: both stay, Henssge checked again")
            << true << QStringList{"60", "80"} << "henssge, calculate" << asOpened << bothWorked
            << QList<int>{Qt::Key_End}
            << "2:00:00 AM: Newton's law of cooling 75.0 \u00B0F, Henssge's nomogram 77.7 \u00B0F";
        QTest::newRow("Newton doubtful: its words, then Henssge's curve")
            << true << QStringList{"60", "75", "80", "2"} << "henssge" << asOpened
            << "Newton's law, no curve: Doubtful: the second reading is farther from the room "
               "temperature than the first, so the body was not cooling. 75 \u00B0F at 12:00:00 "
               "AM, when the body was found, and 80 \u00B0F at 2:00:00 AM; room 60 \u00B0F. "
               "Henssge's nomogram, dashed line: from 98.96 \u00B0F at about 4:56 AM the day "
               "before "
               "discovery (95 % limits \u00B13.2 h) to 75 \u00B0F at 12:00:00 AM, when the body "
               "was found."
            << QList<int>{Qt::Key_Home}
            << "4:55:51 AM, the day before: Henssge's nomogram 99.0 \u00B0F";
        // One body in either unit: the same times, each curve in its own degrees.
        QTest::newRow("a body in \u00B0F, both methods")
            << true << QStringList{"59", "80.6", "76.1", "2"} << "henssge" << asOpened
            << "Newton's law, solid line: from 98.6 \u00B0F at 6:48:39 PM to 80.6 \u00B0F at "
               "12:00:00 AM, when the body was found, and 76.1 \u00B0F at 2:00:00 AM; room "
               "59 \u00B0F. Henssge's nomogram, dashed line: from 98.96 \u00B0F at about 10:31 AM "
               "the day before discovery (95 % limits \u00B12.8 h) to 80.6 \u00B0F at 12:00:00 "
               "AM, when the body was found."
            << QList<int>{Qt::Key_Home, Qt::Key_PageDown}
            << "12:27:22 PM: Henssge's nomogram 97.8 \u00B0F";
        QTest::newRow("the same body in \u00B0C")
            << true << QStringList{"15", "27", "24.5", "2"} << "celsius, henssge" << asOpened
            << "Newton's law, solid line: from 37.0 \u00B0C at 6:48:39 PM to 27 \u00B0C at "
               "12:00:00 AM, when the body was found, and 24.5 \u00B0C at 2:00:00 AM; room "
               "15 \u00B0C. Henssge's nomogram, dashed line: from 37.2 \u00B0C at about 10:31 AM "
               "the day before discovery (95 % limits \u00B12.8 h) to 27 \u00B0C at 12:00:00 "
               "AM, when the body was found."
            << QList<int>{Qt::Key_Home, Qt::Key_PageDown}
            << "12:27:22 PM: Henssge's nomogram 36.6 \u00B0C";
        QTest::newRow("Clear takes both away")
            << true << kWorked << "henssge, clear" << asOpened << kEmpty << QList<int>{Qt::Key_End}
            << "Cooling curve";
        QTest::newRow("resized to its smallest")
            << true << kWorked << "" << QSize(100, 100) << kWorkedSummary << QList<int>{Qt::Key_End}
            << "2:00:00 AM, 75.0 \u00B0F";
        QTest::newRow("resized large")
            << true << kWorked << "" << QSize(1200, 900) << kWorkedSummary
            << QList<int>{Qt::Key_Home} << "7:25:44 PM, 98.6 \u00B0F";
    }
    void followsTheMainWindow()
    {
        QFETCH(bool, openFirst);
        QFETCH(QStringList, entries);
        QFETCH(QString, then);
        QFETCH(QSize, size);
        QFETCH(QString, description);
        QFETCH(QList<int>, keys);
        QFETCH(QString, name);

        frmCoolingCurve *curve = openFirst ? openByKeyboard() : nullptr;
        if (openFirst)
            QVERIFY(curve);
        if (then.startsWith("celsius"))
            form->findChild<QAction *>(QStringLiteral("mnuCelsius"))->trigger();
        if (entries.size() > 2) {
            calculate(entries);
        } else if (!entries.isEmpty()) {
            QTest::keyClicks(controls(form).txtAmbRoomTemp, entries.at(0));
            QTest::keyClicks(controls(form).txtCorpseTemp, entries.at(1));
        }
        if (then.contains("henssge")) {
            QVERIFY(estimateHenssge(form, "70"));
            if (then.endsWith("calculate"))
                calculate(kWorked);
            if (then.endsWith("clear"))
                QTest::mouseClick(controls(form).cmdClear, Qt::LeftButton);
        }
        if (then == "clear")
            QTest::mouseClick(controls(form).cmdClear, Qt::LeftButton);
        if (then == "fail")
            calculate({"60", "80", "75", "0"});
        if (then == "edit")
            QTest::keyClicks(controls(form).txtCorpseTemp, "5");
        if (!openFirst)
            QVERIFY((curve = openByKeyboard()));

        if (size.isValid()) {
            curve->resize(size);
            QCOMPARE(curve->size(), size.expandedTo(curve->minimumSize()));
        }
        QCOMPARE(curve->picCurve->accessibleDescription(), description);
        // Something is drawn, whatever the size: the picture is not one colour.
        const QImage picture = curve->picCurve->grab().toImage();
        QVERIFY(picture.width() > 0);
        QVERIFY(std::any_of(picture.constBits(), picture.constBits() + picture.sizeInBytes(),
                            [&](uchar b) { return b != picture.constBits()[0]; }));
        // The plot has the focus whenever the window is active.
        curve->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        QVERIFY(curve->picCurve->hasFocus());
        for (int key : keys)
            QTest::keyClick(curve->picCurve, Qt::Key(key));
        QCOMPARE(curve->picCurve->accessibleName(), name);
    }

    // As the converter: Close and Escape hide the window and keep it, its
    // close box unloads it.
    void hidesAndUnloadsLikeTheConverter()
    {
        frmCoolingCurve *curve = openByKeyboard();
        QVERIFY(curve);
        QTest::mouseClick(curve->cmdClose, Qt::LeftButton);
        QVERIFY(!curve->isVisible());
        QCOMPARE(openByKeyboard(), curve);
        QTest::keyClick(curve->picCurve, Qt::Key_Escape);
        QVERIFY(!curve->isVisible());
        QVERIFY(form->isVisible());
        QCOMPARE(openByKeyboard(), curve);
        curve->close();
        QVERIFY(!loadedCurveForm());
        QCOMPARE(LoadedForms::instance().count(), 1);
    }
};

QTEST_MAIN(CurveWindowTest)
#include "frmcoolingcurve_test.moc"
