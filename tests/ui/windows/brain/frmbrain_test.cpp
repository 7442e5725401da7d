#include "application.h"
#include "braintext.h"
#include "caseholder.h"
#include "frmbrain.h"
#include "uitest.h"

#include <QAccessible>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

using namespace quorrel::ui;
using namespace quorrel::test;

class BrainWindowTest : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }
    void init() { start(); }
    void cleanup() { finish(); }

    // The room typed in the main window and the brain in this one, by the
    // keyboard alone: what the window says, what a screen reader is given,
    // and whether the combination of evidence may weigh the estimate.
    void readingToEstimate_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("room");
        QTest::addColumn<QString>("brain");
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("result"); // the whole sentence, or parts of it
        QTest::addColumn<bool>("weighed");

        QTest::newRow("worked example: Q = 0.5133")
            << "C"
            << "60"
            << "80"
            << "(26.7 \u00B0C)"
            << ""
            << QStringList{"About 6 h 15 min before the body was found (95 % limits \u00B11.5 h): "
                           "died between 4:15 PM and 7:15 PM the day before discovery, most "
                           "likely about 5:45 PM."}
            << true;
        QTest::newRow("beyond 13.5 h no limits are published, and nothing is weighed")
            << "C"
            << "60"
            << "67"
            << "(19.4 \u00B0C)"
            << "" << QStringList{"(no 95 % limits are published beyond 13.5 h): died most likely"}
            << false;
        QTest::newRow("a room of 5 \u00B0C, outside those studied: the longest words fit")
            << "C"
            << "41"
            << "45"
            << "(7.2 \u00B0C)"
            << ""
            << QStringList{"About 22 h 3 min before the body was found (no 95 % limits",
                           "The room, 41 \u00B0F (5.0 \u00B0C), is outside the 10 to 25 \u00B0C "
                           "the method was studied in"}
            << false;
        QTest::newRow("a decimal reading: Q of exactly 0.5")
            << "C"
            << "60"
            << "79.48"
            << "(26.378 \u00B0C)"
            << ""
            << QStringList{"About 6 h 27 min before the body was found (95 % limits \u00B11.5 h)"}
            << true;
        QTest::newRow("Q at 0 refused: the room as warm as the brain")
            << "C"
            << "80"
            << "80"
            << "(26.7 \u00B0C)"
            << "Ambient Room Temperature, in the main window, is 80 \u00B0F: the method needs a "
               "room colder than the brain. Enter a number below 80 \u00B0F (Brain temperature)."
            << QStringList() << false;
        QTest::newRow("Q above 1 refused: a hair above 37.2 \u00B0C, named as typed")
            << "C"
            << "60"
            << "98.960000000000000001"
            << "(37.200 \u00B0C)"
            << "Brain temperature is 98.960000000000000001 \u00B0F: the method starts from "
               "37.2 \u00B0C. Enter a reading up to 98.96 \u00B0F (37.2 \u00B0C)."
            << QStringList() << false;
        // The same body in either unit, the °C turned into °F exactly.
        QTest::newRow("typed in \u00B0F")
            << "C"
            << "59"
            << "80.6"
            << "(27.00 \u00B0C)"
            << ""
            << QStringList{"About 5 h 50 min before the body was found (95 % limits \u00B11.5 h): "
                           "died between 4:40 PM and 7:40 PM the day before discovery, most "
                           "likely about 6:10 PM."}
            << true;
        QTest::newRow("typed in \u00B0C")
            << "C \u00B0C"
            << "15"
            << "27"
            << "(80.6 \u00B0F)"
            << ""
            << QStringList{"About 5 h 50 min before the body was found (95 % limits \u00B11.5 h): "
                           "died between 4:40 PM and 7:40 PM the day before discovery, most "
                           "likely about 6:10 PM."}
            << true;
        QTest::newRow("a word for the reading in a \u00B0C case is asked for in \u00B0C")
            << "C \u00B0C"
            << "15"
            << "abc"
            << ""
            << "Brain temperature: enter a number of degrees Celsius above the room temperature, "
               "up to 37.2 \u00B0C (98.96 \u00B0F)."
            << QStringList() << false;
        QTest::newRow("a hair below absolute zero in \u00B0C, named as typed")
            << "C \u00B0C"
            << "15"
            << "-273.1500000000000000001"
            << "(-459.67000000000000000018 \u00B0F)"
            << "Brain temperature is -273.1500000000000000001 \u00B0C: below absolute zero "
               "(-273.15 \u00B0C), which no temperature can be."
            << QStringList() << false;
        QTest::newRow("German") << "de_DE"
                                << "60"
                                << "80,5"
                                << "(26,94 \u00B0C)"
                                << "" << QStringList{"(95 % limits \u00B11,5 h)"} << true;
        QTest::newRow("Arabic") << "ar_EG"
                                << "\u0666\u0660"
                                << "\u0668\u0660"
                                << "(\u0662\u0666\u066B\u0667 \u00B0C)"
                                << ""
                                << QStringList{"\u0669\u0665 % limits \u00B1\u0661\u066B\u0665 h"}
                                << true;
    }
    void readingToEstimate()
    {
        QFETCH(QString, locale);
        QFETCH(QString, room);
        QFETCH(QString, brain);
        QFETCH(QString, celsius);
        QFETCH(QString, message);
        QFETCH(QStringList, result);
        QFETCH(bool, weighed);
        QLocale::setDefault(QLocale(locale.section(' ', 0, 0)));
        unloadAllWindows(form);
        startWithMidnightSet(form);
        if (locale.endsWith(QStringLiteral("\u00B0C")))
            controls(form).mnuCelsius->trigger();
        typeAny(controls(form).txtAmbRoomTemp, room);
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(controls(form).txtAmbRoomTemp, Qt::Key_B, Qt::ControlModifier);
        QPointer<frmBrain> b = &brainForm();
        QVERIFY(b->isVisible() && QTest::qWaitForWindowActive(b));
        QCOMPARE(QApplication::focusWidget(), b->txtBrain);
        typeAny(b->txtBrain, brain);
        QCOMPARE(b->lblCelsius->text(), celsius);
        QTest::keyClick(b->txtBrain, Qt::Key_Return);

        QTRY_COMPARE(messages->seen.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(messages->seen.first().text, message);
            QCOMPARE(b->focusWidget(), b->txtBrain);
        }
        const MethodRecord *made =
            currentCase().record() ? currentCase().record()->method(kBrainKey) : nullptr;
        QCOMPARE(made != nullptr, !result.isEmpty());
        QCOMPARE(made && made->weighed, weighed);
        if (result.isEmpty())
            return;
        const QString sentence = b->lblResult->text();
        if (result.size() == 1 && result.first().endsWith('.'))
            QCOMPARE(sentence, result.first());
        for (const QString &part : result)
            QVERIFY2(sentence.contains(part), qPrintable(sentence));
        // The keyboard is on the estimate, and a screen reader is given it.
        QCOMPARE(QApplication::focusWidget(), b->lblResult);
        QCOMPARE(QAccessible::queryAccessibleInterface(b->lblResult)->text(QAccessible::Name),
                 sentence);
        for (QLabel *label : b->findChildren<QLabel *>()) {
            const QRect needed = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(BrainWindowTest)
#include "frmbrain_test.moc"
