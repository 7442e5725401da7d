#include "application.h"
#include "caseholder.h"
#include "forms.h"
#include "frmhenssge.h"
#include "frmquorrelestimator.h"
#include "henssgetext.h"
#include "newtontext.h"
#include "uitest.h"
#include "widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>

using namespace quorrel::ui;
using namespace quorrel::test;

namespace
{
const QStringList kWorked{"60", "80", "75", "2"};
const QString kWorkedResult = QStringLiteral(
    "About 14 h 20 min before the body was found (95 % limits \u00B12.8 h): died between 6:52 AM "
    "and 12:28 PM the day before discovery, most likely about 9:40 AM.");
const QString kWorkedCheck =
    QStringLiteral("At 2:00 AM the method expects 77.7 \u00B0F; 75 \u00B0F was measured: the body "
                   "cooled faster than it expects for 70 kg with factor 1.0.");
// Tr 28 °C, Ta 15 °C, 50 kg: 9.0431 hours.
const QString kFiftyKgResult = QStringLiteral(
    "About 9 h 3 min before the body was found (95 % limits \u00B12.8 h): died between 12:09 PM "
    "and 5:45 PM the day before discovery, most likely about 2:57 PM.");
const QString kMassMessage = QStringLiteral("Body mass: enter a number from 1 to 250 kg.");
} // namespace

class HenssgeWindowTest : public QObject, public WindowFixture
{
    Q_OBJECT

    // Types the main window's four entries without calculating.
    void typeEntries(const QStringList &entries)
    {
        TextBox *boxes[] = {controls(form).txtAmbRoomTemp, controls(form).txtCorpseTemp,
                            controls(form).txtCorpseTempTwo, controls(form).txtCorpseTime};
        for (int i = 0; i < 4; ++i) {
            boxes[i]->setFocus();
            boxes[i]->selectAll();
            QTest::keyClick(boxes[i], Qt::Key_Delete);
            QTest::keyClicks(boxes[i], entries[i]);
        }
    }
    void startWithMidnightSetAgain()
    {
        unloadAllWindows(form);
        startWithMidnightSet(form);
    }
    frmHenssge *openByKeyboard()
    {
        // A window just hidden can still count as active; the shortcut is
        // the main window's.
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form))
            return nullptr;
        QTest::keyClick(controls(form).txtAmbRoomTemp, Qt::Key_H, Qt::ControlModifier);
        frmHenssge *henssge = loadedHenssgeForm();
        if (!henssge || !henssge->isVisible() || !QTest::qWaitForWindowActive(henssge))
            return nullptr;
        return henssge;
    }
    // Types the mass and, where given, the factor, picks the unit and the
    // condition by keyboard, and presses Enter for the default button.
    void estimate(frmHenssge *h, const QString &mass, const QString &unit, int conditionSteps,
                  const QString &factor)
    {
        h->txtMass->setFocus();
        h->txtMass->selectAll();
        QTest::keyClicks(h->txtMass, mass);
        QTest::keyClick(h->cboMassUnit, Qt::Key_Home);
        if (unit == "lb")
            QTest::keyClick(h->cboMassUnit, Qt::Key_Down);
        for (int i = 0; i < conditionSteps; ++i)
            QTest::keyClick(h->cboCondition, Qt::Key_Down);
        if (!factor.isEmpty()) {
            h->txtFactor->setFocus();
            h->txtFactor->selectAll();
            QTest::keyClicks(h->txtFactor, factor);
        }
        QTest::keyClick(h->txtMass, Qt::Key_Return);
    }

private slots:
    void initTestCase() { setUpApplication(); }
    void init() { start(); }
    void cleanup() { finish(); }

    // The entries in both windows and what the Henssge window then says. A
    // refusal leaves the worked example's result, estimated just before, as
    // it was.
    void entriesToResult_data()
    {
        QTest::addColumn<bool>("setTime");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("calculate");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("conditionSteps");
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("detail");

        const QStringList oneReading{"60", "80", "", ""};
        QTest::newRow("worked example, beside Newton's law")
            << true << kWorked << true << "70"
            << "kg" << 0 << ""
            << "" << kWorkedResult << kWorkedCheck
            << "Q = 0.5133; room up to 23.2 \u00B0C, so \u2066Q = 1.25 exp(Bt) \u2212 0.25 "
               "exp(5Bt)\u2069. Factor 1.0 as chosen: below 1.4 it is used for any mass. 95 % "
               "limits \u00B12.8 h: the band 1 \u2265 Q > 0.5, with any factor.";
        QTest::newRow("one reading only, no Calculate") << true << oneReading << false << "70"
                                                        << "kg" << 0 << ""
                                                        << "" << kWorkedResult << ""
                                                        << "";
        QTest::newRow("Tr 28 \u00B0C, Ta 15 \u00B0C, 50 kg")
            << true << QStringList{"59", "82.4", "", ""} << false << "50"
            << "kg" << 0 << ""
            << "" << kFiftyKgResult << ""
            << "";
        QTest::newRow("the lb pick: 110.2311 lb is 50 kg")
            << true << QStringList{"59", "82.4", "", ""} << false << "110.2311"
            << "lb" << 0 << ""
            << "" << kFiftyKgResult << ""
            << "";
        QTest::newRow("a heavy cover is adjusted for 120 kg; a warmer second reading")
            << true << QStringList{"60", "80", "79.9", "2"} << false << "120"
            << "kg" << 6 << ""
            << ""
            << "About 2 days 10 h 19 min before the body was found (95 % limits \u00B12.8 h): died "
               "between 10:53 AM and 4:29 PM 3 days before discovery, most likely about 1:41 PM."
            << "At 2:00 AM the method expects 79.4 \u00B0F; 79.9 \u00B0F was measured: the body "
               "cooled more slowly than it expects for 120 kg with factor 1.86."
            << "Q = 0.5133; room up to 23.2 \u00B0C, so \u2066Q = 1.25 exp(Bt) \u2212 0.25 "
               "exp(5Bt)\u2069. Factor 1.86, adjusted for 120 kg from 2.4 for 70 kg. 95 % limits "
               "\u00B12.8 h: the band 1 \u2265 Q > 0.5, with any factor.";
        QTest::newRow("exactly 37.2 \u00B0C is 0 hours; no time after the reading")
            << true << QStringList{"60", "98.96", "", ""} << false << "70"
            << "kg" << 0 << ""
            << ""
            << "About 0 min before the body was found (95 % limits \u00B12.8 h): died between "
               "9:12 PM the day before discovery and 12:00 AM the day of discovery, most likely "
               "about 12:00 AM the day of discovery."
            << ""
            << "";

        QTest::newRow("mass not a number")
            << true << kWorked << false << "seventy"
            << "kg" << 0 << "" << kMassMessage << kWorkedResult << kWorkedCheck << "";
        QTest::newRow("mass above 250 kg")
            << true << kWorked << false << "250.5"
            << "kg" << 0 << "" << kMassMessage << kWorkedResult << kWorkedCheck << "";
        QTest::newRow("mass below 1 kg, in pounds")
            << true << kWorked << false << "2.2"
            << "lb" << 0 << ""
            << "Body mass: enter a number from 2.21 to 551.15 lb (1 to 250 kg)." << kWorkedResult
            << kWorkedCheck << "";
        QTest::newRow("factor above 3.0") << true << kWorked << false << "70"
                                          << "kg" << 0 << "3.01"
                                          << "Corrective factor: enter a number from 0.3 to 3.0."
                                          << kWorkedResult << kWorkedCheck << "";
        QTest::newRow("room as warm as the body")
            << true << QStringList{"80", "80", "75", "2"} << false << "70"
            << "kg" << 0 << ""
            << "Ambient Room Temperature, in the main window, is 80 \u00B0F: the method needs a "
               "room colder than the body. Enter a number below 80 \u00B0F (Corpse Temperature "
               "reading 1)."
            << kWorkedResult << kWorkedCheck << "";
        QTest::newRow("body above 37.2 \u00B0C")
            << true << QStringList{"60", "99", "75", "2"} << false << "70"
            << "kg" << 0 << ""
            << "Corpse Temperature reading 1, in the main window, is 99 \u00B0F: the method starts "
               "from 37.2 \u00B0C. Enter a reading up to 98.96 \u00B0F (37.2 \u00B0C)."
            << kWorkedResult << kWorkedCheck << "";
        QTest::newRow("room not a number")
            << true << QStringList{"sixty", "80", "75", "2"} << false << "70"
            << "kg" << 0 << ""
            << "Ambient Room Temperature, in the main window: enter a number of degrees Fahrenheit "
               "below the body temperature."
            << kWorkedResult << kWorkedCheck << "";
        QTest::newRow("no time of discovery set")
            << false << kWorked << false << "70"
            << "kg" << 0 << ""
            << "No time of discovery is set: in the main window, pick the hour, minute, second and "
               "AM/PM the corpse was found, then press Set Time."
            << ""
            << ""
            << "";
    }
    void entriesToResult()
    {
        QFETCH(bool, setTime);
        QFETCH(QStringList, entries);
        QFETCH(bool, calculate);
        QFETCH(QString, mass);
        QFETCH(QString, unit);
        QFETCH(int, conditionSteps);
        QFETCH(QString, factor);
        QFETCH(QString, message);
        QFETCH(QString, result);
        QFETCH(QString, check);
        QFETCH(QString, detail);

        if (setTime)
            startWithMidnightSetAgain();
        frmHenssge *h = openByKeyboard();
        QVERIFY(h);
        if (!message.isEmpty() && setTime) {
            typeEntries(kWorked);
            estimate(h, "70", "kg", 0, "");
            QCOMPARE(h->lblResult->text(), kWorkedResult);
        }
        if (calculate)
            enterAndCalculate(form, entries);
        else
            typeEntries(entries);
        estimate(h, mass, unit, conditionSteps, factor);

        QTRY_COMPARE(messages->seen.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(messages->seen.first().text, message);
        QCOMPARE(h->lblResult->isVisible() ? h->lblResult->text() : QString(), result);
        QCOMPARE(h->lblCheck->isVisible() ? h->lblCheck->text() : QString(), check);
        if (!detail.isEmpty())
            QCOMPARE(h->lblDetail->text(), detail);
        QCOMPARE(h->lblNewton->isVisible() ? h->lblNewton->text() : QString(),
                 calculate ? "Newton's law from both readings: 7:25:44 PM the day before discovery"
                           : "");
        // The estimate shown is the case's, beside Newton's only where
        // Calculate made that case.
        const auto &record = currentCase().record();
        QCOMPARE(record && record->method(kHenssgeKey) ? record->method(kHenssgeKey)->sentence
                                                       : QString(),
                 result);
        QCOMPARE(record && record->method(kNewtonKey), calculate);
        // Every line is seen whole in its box.
        for (QLabel *label : h->findChildren<QLabel *>()) {
            const QRect needed = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->objectName()));
        }
    }

    // Typing a factor picks "Other…" unless it is the row's own; a pick
    // fills the factor in.
    void conditionAndFactorFollowEachOther()
    {
        frmHenssge *h = openByKeyboard();
        QVERIFY(h);
        QCOMPARE(h->cboCondition->currentText(), "Dry, naked, still air: 1.0");
        h->txtFactor->setFocus();
        h->txtFactor->selectAll();
        QTest::keyClicks(h->txtFactor, "1.0");
        QCOMPARE(h->cboCondition->currentText(), "Dry, naked, still air: 1.0");
        QTest::keyClicks(h->txtFactor, "5");
        QCOMPARE(h->cboCondition->currentText(), "Dry, naked, still air: 1.0");
        QTest::keyClick(h->txtFactor, Qt::Key_Tab);
        QCOMPARE(h->cboCondition->currentText(), "Other\u2026");
        QTest::keyClick(h->cboCondition, Qt::Key_Home);
        QCOMPARE(h->txtFactor->text(), "0.75");
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(h->cboCondition, Qt::Key_Down);
        QCOMPARE(h->cboCondition->currentText(), "Dry, more thin or thick layers: 1.4 to 1.8");
        h->txtFactor->selectAll();
        QTest::keyClicks(h->txtFactor, "1.65");
        QTest::keyClick(h->txtFactor, Qt::Key_Tab);
        QCOMPARE(h->cboCondition->currentText(), "Dry, more thin or thick layers: 1.4 to 1.8");
    }

    // Escape and Close hide the window with its result; a new Calculate has
    // the estimate made again (or, where its entries no longer allow one,
    // taken away without a word); an estimate of other entries is a case of
    // its own; Clear takes it away; the close box unloads the window.
    void followsTheCaseAndHidesLikeTheConverter()
    {
        startWithMidnightSetAgain();
        enterAndCalculate(form, kWorked);
        frmHenssge *h = openByKeyboard();
        QVERIFY(h);
        estimate(h, "70", "kg", 0, "");
        QTest::keyClick(h->txtMass, Qt::Key_Escape);
        QVERIFY(!h->isVisible());
        QCOMPARE(openByKeyboard(), h);
        QCOMPARE(h->lblResult->text(), kWorkedResult);
        QVERIFY(currentCase().record()->method(kHenssgeKey));

        enterAndCalculate(form, {"60", "80", "76", "2"});
        QVERIFY(currentCase().record()->method(kHenssgeKey));
        QCOMPARE(h->lblResult->text(), kWorkedResult);
        QVERIFY2(h->lblCheck->text().contains(QStringLiteral("; 76 \u00B0F was measured")),
                 qPrintable(h->lblCheck->text()));

        // A second reading changed since Calculate makes another case.
        controls(form).txtCorpseTempTwo->selectAll();
        QTest::keyClicks(controls(form).txtCorpseTempTwo, "70");
        estimate(h, "70", "kg", 0, "");
        QVERIFY(!currentCase().record()->method(kNewtonKey));
        QVERIFY(h->lblNewton->isHidden());

        // Another body, calculated with this window hidden: its mass is not
        // this one's.
        QTest::keyClick(h->txtMass, Qt::Key_Escape);
        enterAndCalculate(form, {"62", "81", "76", "2"});
        QVERIFY(!currentCase().record()->method(kHenssgeKey));
        QVERIFY(h->lblResult->isHidden());

        // A mass typed but not estimated is never used behind the user's
        // back: estimating again takes the mass of the last Estimate.
        QCOMPARE(openByKeyboard(), h);
        estimate(h, "70", "kg", 0, "");
        for (const char *typed : {"90", "none"}) {
            h->txtMass->selectAll();
            QTest::keyClicks(h->txtMass, typed);
            enterAndCalculate(form, {"62", "81", "75", "2"});
            const MethodRecord *again = currentCase().record()->method(kHenssgeKey);
            QVERIFY(again);
            QCOMPARE(again->entries.at(2).typed, "70");
        }

        QCOMPARE(openByKeyboard(), h);
        controls(form).txtAmbRoomTemp->selectAll();
        QTest::keyClicks(controls(form).txtAmbRoomTemp, "61");
        estimate(h, "70", "kg", 0, "");
        QVERIFY(currentCase().record()->method(kHenssgeKey));
        QVERIFY(!currentCase().record()->method(kNewtonKey));
        QCOMPARE(controls(form).txtTimeDead->text(), QString());
        QVERIFY(h->lblNewton->isHidden());
        QTest::mouseClick(controls(form).cmdClear, Qt::LeftButton);
        QVERIFY(h->lblResult->isHidden());
        QCOMPARE(openByKeyboard(), h);
        QTest::mouseClick(h->cmdClose, Qt::LeftButton);
        QVERIFY(!h->isVisible());
        h->close();
        QVERIFY(!loadedHenssgeForm());
        QCOMPARE(LoadedForms::instance().count(), 1);
        QVERIFY(messages->seen.isEmpty());
    }
};

QTEST_MAIN(HenssgeWindowTest)
#include "frmhenssge_test.moc"
