#include "application.h"
#include "form.h"
#include "forms.h"
#include "frmquorrelestimator.h"
#include "frmtemps.h"
#include "uitest.h"
#include "widgets.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

using namespace quorrel::ui;
using namespace quorrel::test;

class ConverterTest : public QObject
{
    Q_OBJECT

    QPointer<frmQuorrelEstimator> main;

    frmTemps *open()
    {
        QTest::mouseClick(controls(main).cmdLaunchTempConvert, Qt::LeftButton);
        frmTemps *temps = &tempsForm();
        temps->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(temps)); }();
        return temps;
    }
    // Types the number, then picks the scale with the arrow keys as a person
    // would: each step is a pick.
    static void convert(frmTemps *temps, const QString &typed, int scale)
    {
        temps->txtInputTemp->setFocus();
        temps->txtInputTemp->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(temps->txtInputTemp, Qt::Key_Delete);
        else
            QTest::keyClicks(temps->txtInputTemp, typed);
        temps->cboDegrees->setFocus();
        while (temps->cboDegrees->currentIndex() < scale)
            press(Qt::Key_Down);
        while (temps->cboDegrees->currentIndex() > scale)
            press(Qt::Key_Up);
    }
    static QStringList items(const frmTemps *temps)
    {
        QStringList texts;
        for (int i = 0; i < temps->cboDegrees->count(); ++i)
            texts << temps->cboDegrees->itemText(i);
        return texts;
    }
    static void verifyFresh(const frmTemps *temps)
    {
        QCOMPARE(items(temps), (QStringList{" \u00B0F", " \u00B0C"}));
        QCOMPARE(temps->cboDegrees->currentText(), "Degrees");
        QCOMPARE(temps->cboDegrees->currentIndex(), -1);
        QCOMPARE(temps->txtInputTemp->text(), "");
        QVERIFY(temps->lblConvertedTemps->isHidden());
    }

private slots:
    void initTestCase() { setUpApplication(); } // the program's own style and font

    void init()
    {
        QLocale::setDefault(QLocale::c());
        startMainWindow(main);
    }

    void cleanup() { unloadAllWindows(main); }

    void opensFresh()
    {
        frmTemps *temps = open();
        QCOMPARE(temps->windowTitle(), "Degree Conversions - Halbrook");
        QCOMPARE(temps->size(), QSize(235, 132));
        QCOMPARE(temps->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(temps->Picture1->geometry(), QRect(200, -48, 41, 193));
        QCOMPARE(QApplication::focusWidget(), temps->txtInputTemp);
        QVERIFY(!temps->isModal());
        verifyFresh(temps);
    }

    void convertsAsTheWorkedResultsSay_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("line");
        // The numbers are the engine's (its own table); these rows are the
        // wording of the line.
        QTest::newRow("boiling, from F") << "212" << 0 << "212 \u00B0F  =  100\u00B0C";
        QTest::newRow("body temperature, from C") << "37" << 1 << "37 \u00B0C  =  98.6\u00B0F";
        QTest::newRow("empty reads as 0") << "" << 0 << " \u00B0F  =  -17.78\u00B0C";
        QTest::newRow("typed text kept as typed")
            << "12abc" << 0 << "12abc \u00B0F  =  -11.11\u00B0C";
        QTest::newRow("98.456 seen whole") << "98.456" << 0 << "98.456 \u00B0F  =  36.92\u00B0C";
        QTest::newRow("large, exponent form")
            << "1e300" << 1 << "1e300 \u00B0C  =  1.8E+300\u00B0F";
        QTest::newRow("beyond the double range")
            << "1e999" << 0 << "1e999 \u00B0F  =  out of range";
        QTest::newRow("product overflows the rounding")
            << "1.5e306" << 1 << "1.5e306 \u00B0C  =  out of range";

        QTest::newRow("markup shown as typed")
            << "<b>212" << 0 << "<b>212 \u00B0F  =  -17.78\u00B0C";
        QTest::newRow("entity shown as typed") << "5&lt;6" << 1 << "5&lt;6 \u00B0C  =  41\u00B0F";
    }
    void convertsAsTheWorkedResultsSay()
    {
        QFETCH(QString, typed);
        QFETCH(int, scale);
        QFETCH(QString, line);
        frmTemps *temps = open();
        convert(temps, typed, scale);
        QVERIFY(temps->lblConvertedTemps->isVisible());
        QCOMPARE(temps->lblConvertedTemps->toolTip(), line);
        // What is seen fits the label; a line too long for it keeps the answer
        // whole and shortens the typed value before it.
        const QString seen = temps->lblConvertedTemps->text();
        QVERIFY(temps->lblConvertedTemps->fontMetrics().horizontalAdvance(seen) <=
                temps->lblConvertedTemps->width());
        if (seen != line) {
            const QString answer = line.mid(typed.size());
            QVERIFY2(seen.endsWith(QStringLiteral("\u2026") + answer), qPrintable(seen));
            QVERIFY(typed.startsWith(seen.chopped(answer.size() + 1)));
        }
        // What is drawn is the line as plain text, markup and all.
        QLabel plain(seen);
        plain.setTextFormat(Qt::PlainText);
        plain.setFont(temps->lblConvertedTemps->font());
        plain.setPalette(temps->lblConvertedTemps->palette());
        plain.setBackgroundRole(QPalette::Base);
        plain.setForegroundRole(QPalette::Text);
        plain.setAutoFillBackground(true);
        plain.setAlignment(temps->lblConvertedTemps->alignment());
        plain.resize(temps->lblConvertedTemps->size());
        QCOMPARE(temps->lblConvertedTemps->grab().toImage(), plain.grab().toImage());
    }

    void readsAndWritesTheUsersLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        frmTemps *temps = open();
        // "98.45" is no German number: read the forgiving way, with its point.
        convert(temps, "98.45", 0);
        QCOMPARE(temps->lblConvertedTemps->text(), "98.45 \u00B0F  =  36,92\u00B0C");
        convert(temps, "36,6", 1);
        QCOMPARE(temps->lblConvertedTemps->text(), "36,6 \u00B0C  =  97,88\u00B0F");
    }

    // A line longer than the window keeps its answer in view: the typed value
    // is shortened with an ellipsis. The line is whole in its tooltip and for
    // screen readers.
    void longLineKeepsItsAnswer()
    {
        frmTemps *temps = open();
        const QString typed = "123456789012345678901234567890";
        convert(temps, typed, 0);
        const QString answer = " \u00B0F  =  6.85871050068587E+28\u00B0C";
        const QString line = typed + answer;
        QLabel *shownLine = temps->lblConvertedTemps;
        QVERIFY(typed.startsWith(shownLine->text().section(QChar(0x2026), 0, 0)));
        QVERIFY2(shownLine->text().endsWith(QChar(0x2026) + answer), qPrintable(shownLine->text()));
        QVERIFY(shownLine->fontMetrics().horizontalAdvance(shownLine->text()) <=
                shownLine->width());
        QCOMPARE(shownLine->toolTip(), line);
        QCOMPARE(QAccessible::queryAccessibleInterface(shownLine)->text(QAccessible::Name), line);
    }

    // Only a pick converts: typed text that matches an item, then Enter or
    // Tab, is no pick.
    void typingInTheListConvertsNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("an item's text, Enter") << " \u00B0F" << int(Qt::Key_Return);
        QTest::newRow("a blank, Enter") << " " << int(Qt::Key_Return);
        QTest::newRow("a blank, Tab") << " " << int(Qt::Key_Tab);
    }
    void typingInTheListConvertsNothing()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        frmTemps *temps = open();
        QTest::keyClicks(temps->txtInputTemp, "212");
        temps->cboDegrees->setFocus();
        temps->cboDegrees->lineEdit()->selectAll();
        type(typed);
        press(Qt::Key(key));
        QVERIFY(temps->lblConvertedTemps->isHidden());
    }

    void focusedCloseTakesEnter()
    {
        frmTemps *temps = open();
        temps->cmdCloseTempsForm->setFocus();
        press(Qt::Key_Return);
        QVERIFY(!temps->isVisible());
    }

    void typingAloneConvertsNothing()
    {
        frmTemps *temps = open();
        convert(temps, "212", 0);
        QTest::keyClicks(temps->txtInputTemp, "0");
        QCOMPARE(temps->lblConvertedTemps->text(), "212 \u00B0F  =  100\u00B0C");
        QTest::keyClick(temps->txtInputTemp, Qt::Key_Return);
        QVERIFY(temps->isVisible());
    }

    void closeAndEscapeHideAndKeepTheState_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Close button") << false;
        QTest::newRow("Escape with Shift") << true;
    }
    void closeAndEscapeHideAndKeepTheState()
    {
        QFETCH(bool, escape);
        frmTemps *temps = open();
        convert(temps, "212", 0);
        if (escape)
            press(Qt::Key_Escape, Qt::ShiftModifier);
        else
            QTest::mouseClick(temps->cmdCloseTempsForm, Qt::LeftButton);
        QVERIFY(temps->isHidden());
        QCOMPARE(LoadedForms::instance().count(), 2);
        QCOMPARE(open(), temps);
        QCOMPARE(temps->txtInputTemp->text(), "212");
        QCOMPARE(temps->cboDegrees->currentIndex(), 0);
        QCOMPARE(temps->lblConvertedTemps->text(), "212 \u00B0F  =  100\u00B0C");
        QVERIFY(temps->lblConvertedTemps->isVisible());
    }

    void closeBoxUnloadsSoTheNextOpeningIsFresh()
    {
        QPointer<frmTemps> temps = open();
        convert(temps, "212", 0);
        temps->close();
        QCOMPARE(LoadedForms::instance().count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(temps.isNull());
        verifyFresh(open());
    }

    void oneConverterHoweverOftenOpened()
    {
        frmTemps *first = open();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(open(), first);
        QCOMPARE(LoadedForms::instance().count(), 2);
        QCOMPARE(items(first).size(), 2);
    }

    // The unload step unloads the window last in load order; when that is the
    // main window itself (a converter opened first), it must not recurse.
    void unloadStepNeverReachesItsOwnWindowTwice()
    {
        main->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        tempsForm().show();
        main = &mainForm();
        main->show();
        QCOMPARE(LoadedForms::instance().count(), 2);
        main->close();
        QVERIFY(!main->isLoaded());
        QCOMPARE(LoadedForms::instance().count(), 1);
        tempsForm().close();
        QCOMPARE(LoadedForms::instance().count(), 0);
    }

    void closingTheMainWindowTakesTheConverterAlong_data()
    {
        QTest::addColumn<bool>("hidden");
        QTest::newRow("converter shown") << false;
        QTest::newRow("converter hidden") << true;
    }
    void closingTheMainWindowTakesTheConverterAlong()
    {
        QFETCH(bool, hidden);
        QPointer<frmTemps> temps = open();
        if (hidden)
            QTest::mouseClick(temps->cmdCloseTempsForm, Qt::LeftButton);
        QSignalSpy ended(&LoadedForms::instance(), &LoadedForms::allUnloaded);
        main->activateWindow();
        QTest::mouseClick(controls(main).cmdExit, Qt::LeftButton);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(LoadedForms::instance().count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(temps.isNull());
    }
};

QTEST_MAIN(ConverterTest)
#include "frmtemps_test.moc"
