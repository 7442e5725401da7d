// Thousands of random and hostile events across the windows. After every one
// the windows must still make sense: the result is empty or a time of day, the
// lists hold their items, there is at most one converter, a converted number is
// a number or "out of range", and the program has ended only when told to.
// QUORREL_RANDOM_SEED replays a run; QUORREL_RANDOM_STEPS sets its length.
#include "application.h"
#include "form.h"
#include "forms.h"
#include "frmabout.h"
#include "frmquorrelestimator.h"
#include "frmtemps.h"
#include "uitest.h"
#include "widgets.h"
#include "wording.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrl>

using namespace quorrel::ui;
using namespace quorrel::test;

namespace
{
QtMessageHandler testlibHandler = nullptr;

// The offscreen platform says for every window it shows that it cannot raise
// or resize it; thousands of those would drown the run's own report.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    testlibHandler(type, context, message);
}
} // namespace

class MailSink : public QObject
{
    Q_OBJECT
public slots:
    void handle(const QUrl &) {}
};

class RandomGuiTest : public QObject
{
    Q_OBJECT

    QRandomGenerator rng;
    quint32 seed = 0;
    int step = 0;
    QPointer<frmQuorrelEstimator> main;
    int ends = 0;
    bool endSent = false;
    QTimer modalCloser;
    MailSink mail;
    // What the run went through, to show it did more than type.
    int messages = 0, abouts = 0, estimates = 0, restarts = 0, conversions = 0;
    QString lastResult;

    int pick(int n) { return int(rng.bounded(quint32(n))); }
    bool chance(int percent) { return pick(100) < percent; }
    QString where() const { return QStringLiteral("seed %1, step %2").arg(seed).arg(step); }

    QString hostileText()
    {
        static const QStringList fixed{
            "1e999",
            "-1e999",
            "-0",
            "0",
            "",
            " ",
            "1,5",
            "1.5",
            "1.234,5",
            "1,234.5",
            "98.6",
            "60F",
            "inf",
            "-nan",
            "NaN",
            "12abc",
            "2147483648",
            "-2147483649",
            "1E10",
            "0.5",
            "-0.5",
            "1e-400",
            "1.8e307",
            "4.9e-324",
            "\u0663\u0664",
            "\u202f1\u202f234",
            "\u00B0F",
            "\u20AC5",
            "12:00:00 AM",
            "Hour",
            "AM / PM",
            "am",
            "PM",
            "13",
            "00",
            "59",
            "60",
            "\t7\n",
            "--5",
            "+.5e1",
            "\U0001F600",
        };
        switch (pick(6)) {
        case 5: // a plausible reading, so that estimates succeed too
            return QString::number(50 + pick(60));
        case 0:
            return fixed[pick(int(fixed.size()))];
        case 1:
            return QString::number(rng.generateDouble() * 400 - 100, 'f', pick(6));
        case 2:
            return QString::number(int(rng.bounded(200)) - 50);
        case 3: {
            QString text;
            for (int i = pick(12); i > 0; --i)
                text += QChar(char16_t(0x20 + pick(chance(80) ? 0x60 : 0x2000)));
            return text;
        }
        default:
            return QString(1 + pick(3), QChar(u"0123456789.,-eE "[pick(16)]));
        }
    }

    // Short texts are typed key by key; long ones are pasted, as a person would.
    void typeInto(QWidget *field, const QString &text, bool replace)
    {
        if (replace)
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.size() > 40) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else if (!text.isEmpty()) {
            // QTest types ASCII only; other characters arrive as text, as from
            // an input method.
            for (char32_t c : text.toUcs4()) {
                const QString one = QString::fromUcs4(&c, 1);
                if (c >= 0x20 && c < 0x7f)
                    QTest::keyClick(field, char(c));
                else
                    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, one, Qt::NoModifier);
            }
        } else {
            QTest::keyClick(field, Qt::Key_Delete);
        }
    }

    void closeModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto *about = qobject_cast<frmAbout *>(modal)) {
            ++abouts;
            if (chance(30))
                typeInto(about->txtDescription, hostileText(), false);
            if (chance(20))
                about->cmdEmail->click();
            switch (pick(4)) {
            case 0:
                QTest::keyClick(about->cmdOK, Qt::Key_Escape);
                break;
            case 1:
                QTest::keyClick(about->txtDescription, Qt::Key_Return);
                break;
            case 2:
                about->cmdOK->click();
                break;
            default:
                about->close();
                break;
            }
            return;
        }
        ++messages;
        switch (pick(3)) {
        case 0:
            QTest::keyClick(modal, Qt::Key_Return);
            break;
        case 1:
            QTest::keyClick(modal, Qt::Key_Escape);
            break;
        default:
            modal->close();
            break;
        }
    }

    QComboBox *mainList()
    {
        return QList<QComboBox *>{controls(main).cboHours, controls(main).cboMinutes,
                                  controls(main).cboSeconds, controls(main).cboAMPM}[pick(4)];
    }

    void actOnMain()
    {
        QLineEdit *boxes[] = {controls(main).txtAmbRoomTemp,   controls(main).txtCorpseTemp,
                              controls(main).txtCorpseTempTwo, controls(main).txtCorpseTime,
                              controls(main).txtTimeDead,      controls(main).txtTimeOfDiscovery};
        switch (pick(13)) {
        case 0:
        case 1:
            typeInto(boxes[pick(6)], hostileText(), chance(70));
            break;
        case 2:
            typeInto(mainList()->lineEdit(), hostileText(), chance(80));
            break;
        case 3: {
            QComboBox *list = mainList();
            for (int i = pick(5); i >= 0; --i)
                QTest::keyClick(list->lineEdit(), chance(50) ? Qt::Key_Down : Qt::Key_Up);
            break;
        }
        case 4:
            if (chance(50))
                QTest::mouseClick(controls(main).cmdSetTime, Qt::LeftButton);
            else
                QTest::mouseClick(controls(main).cmdCalculate, Qt::LeftButton);
            break;
        case 5:
            QTest::keyClick(boxes[pick(4)], Qt::Key_Return);
            break;
        case 6:
            QTest::mouseClick(controls(main).cmdClear, Qt::LeftButton);
            break;
        case 7:
            QTest::mouseClick(controls(main).cmdLaunchTempConvert, Qt::LeftButton);
            break;
        case 8:
            if (chance(30))
                QTest::mouseClick(controls(main).cmdAbout, Qt::LeftButton);
            break;
        case 9:
            QTest::keyClick(boxes[pick(4)], chance(50) ? Qt::Key_Tab : Qt::Key_Backtab);
            break;
        case 10: // the three ways to end the program, rarely
            if (chance(5)) {
                endSent = true;
                switch (pick(3)) {
                case 0:
                    QTest::mouseClick(controls(main).cmdExit, Qt::LeftButton);
                    break;
                case 1:
                    QTest::keyClick(boxes[pick(4)], Qt::Key_Escape,
                                    chance(50) ? Qt::ShiftModifier : Qt::NoModifier);
                    break;
                default:
                    main->close();
                    break;
                }
            }
            break;
        case 11:
            if (chance(40))
                enterPlausibleCase();
            break;
        default:
            QTest::keyClick(mainList()->lineEdit(), Qt::Key_Return);
            break;
        }
    }

    // A case a person would really enter, so that estimates succeed too and
    // the random events that follow have a result to disturb.
    void enterPlausibleCase()
    {
        for (QComboBox *list : {controls(main).cboHours, controls(main).cboMinutes,
                                controls(main).cboSeconds, controls(main).cboAMPM}) {
            for (int i = 1 + pick(12); i > 0; --i)
                QTest::keyClick(list->lineEdit(), Qt::Key_Down);
        }
        const int room = 50 + pick(30);
        const int first = room + 5 + pick(40);
        const int second = room + 1 + pick(first - room - 1);
        const QString values[] = {QString::number(room), QString::number(first),
                                  QString::number(second), QString::number(1 + pick(5))};
        QLineEdit *boxes[] = {controls(main).txtAmbRoomTemp, controls(main).txtCorpseTemp,
                              controls(main).txtCorpseTempTwo, controls(main).txtCorpseTime};
        for (int i = 0; i < 4; ++i)
            typeInto(boxes[i], values[i], true);
        QTest::mouseClick(controls(main).cmdSetTime, Qt::LeftButton);
        QTest::mouseClick(controls(main).cmdCalculate, Qt::LeftButton);
    }

    void actOnConverter()
    {
        frmTemps &temps = tempsForm();
        if (!temps.isVisible()) {
            QTest::mouseClick(controls(main).cmdLaunchTempConvert, Qt::LeftButton);
            return;
        }
        switch (pick(6)) {
        case 0:
        case 1:
            typeInto(temps.txtInputTemp, hostileText(), chance(80));
            break;
        case 2: {
            const QString typed = temps.txtInputTemp->text();
            const int before = temps.cboDegrees->currentIndex();
            QTest::keyClick(temps.cboDegrees->lineEdit(), chance(50) ? Qt::Key_Down : Qt::Key_Up);
            const int scale = temps.cboDegrees->currentIndex();
            if (scale != before && scale >= 0) { // a pick: the line is new
                ++conversions;
                checkConversion(temps.lblConvertedTemps, typed, scale);
            }
            break;
        }
        case 3:
            typeInto(temps.cboDegrees->lineEdit(), hostileText(), chance(50));
            break;
        case 4:
            if (chance(50))
                QTest::mouseClick(temps.cmdCloseTempsForm, Qt::LeftButton);
            else
                QTest::keyClick(temps.txtInputTemp, Qt::Key_Escape);
            break;
        default:
            if (chance(30))
                temps.close(); // the close box
            break;
        }
    }

    void checkConversion(const QLabel *label, const QString &typed, int scale)
    {
        // A long line gives up the typed value first on screen, shortened with
        // an ellipsis; the tooltip keeps all of it.
        const QString line = label->toolTip();
        const QString visible = label->text();
        const QString degree = kDegreeSign;
        const QString prefix = typed + ' ' + degree + (scale == 0 ? 'F' : 'C') + "  =  ";
        const QString rest = line.mid(typed.size());
        const QChar ellipsis(0x2026);
        const bool typedCut =
            visible.endsWith(ellipsis + rest) && typed.startsWith(visible.chopped(rest.size() + 1));
        const bool lineCut = visible.endsWith(ellipsis) && line.startsWith(visible.chopped(1));
        QVERIFY2(visible == line || typedCut || lineCut,
                 qPrintable(where() + " shows " + visible + " of " + line));
        QVERIFY2(line.startsWith(prefix), qPrintable(where() + line));
        const QString answer = line.mid(prefix.size());
        const QString suffix = degree + (scale == 0 ? 'C' : 'F');
        static const QRegularExpression numeric(R"(^-?\d+(\.\d+)?(E[+-]\d+)?$)");
        QVERIFY2(answer == "out of range" ||
                     (answer.endsWith(suffix) && numeric.match(answer.chopped(2)).hasMatch()),
                 qPrintable(where() + " shows " + answer));
    }

    void checkInvariants()
    {
        if (endSent) {
            QVERIFY2(ends == 1, qPrintable(where() + ": told to end, but did not"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(LoadedForms::instance().count(), 0);
            endSent = false;
            ends = 0;
            ++restarts;
            main = &mainForm();
            main->show();
        }
        QVERIFY2(ends == 0, qPrintable(where() + ": ended without being told to"));
        static const QRegularExpression clock(R"(^(1[0-2]|[1-9]):[0-5]\d:[0-5]\d (AM|PM)$)");
        const QString result = controls(main).txtTimeDead->text();
        if (!result.isEmpty() && result != lastResult)
            ++estimates;
        lastResult = result;
        QVERIFY2(result.isEmpty() || clock.match(result).hasMatch(),
                 qPrintable(where() + " result " + result));
        const QString found = controls(main).txtTimeOfDiscovery->text();
        QVERIFY2(found.isEmpty() || clock.match(found).hasMatch(),
                 qPrintable(where() + " found " + found));
        QCOMPARE(controls(main).cboHours->count(), 12);
        QCOMPARE(controls(main).cboMinutes->count(), 60);
        QCOMPARE(controls(main).cboSeconds->count(), 60);
        QCOMPARE(controls(main).cboAMPM->count(), 2);
        int converters = 0;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *temps = qobject_cast<frmTemps *>(window);
            if (temps && temps->isLoaded())
                ++converters;
        }
        QVERIFY2(converters <= 1, qPrintable(where()));
        if (tempsForm().isLoaded())
            QCOMPARE(tempsForm().cboDegrees->count(), 2);
        QVERIFY2(LoadedForms::instance().count() <= 2, qPrintable(where()));
    }

private slots:
    void initTestCase()
    {
        setUpApplication(); // the program's own style and font
        seed = qEnvironmentVariableIsSet("QUORREL_RANDOM_SEED")
                   ? qEnvironmentVariable("QUORREL_RANDOM_SEED").toUInt() // seeds pass 2^31
                   : QRandomGenerator::global()->generate();
        rng.seed(seed);
        testlibHandler = qInstallMessageHandler(quietPlatform);
        qInfo("random GUI test: seed %u (QUORREL_RANDOM_SEED=%u replays it)", seed, seed);
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "handle");
        connect(&LoadedForms::instance(), &LoadedForms::allUnloaded, this, [this] { ++ends; });
        modalCloser.setInterval(1);
        connect(&modalCloser, &QTimer::timeout, this, &RandomGuiTest::closeModal);
        modalCloser.start();
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        if (main)
            main->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void randomEventsLeaveTheWindowsSane()
    {
        const int steps = qEnvironmentVariableIsSet("QUORREL_RANDOM_STEPS")
                              ? qEnvironmentVariableIntValue("QUORREL_RANDOM_STEPS")
                              : 5000;
        main = &mainForm();
        main->show();
        for (step = 0; step < steps; ++step) {
            if (chance(70))
                actOnMain();
            else
                actOnConverter();
            checkInvariants();
            if (QTest::currentTestFailed()) {
                qWarning("failed at %s", qPrintable(where()));
                return;
            }
        }
        qInfo("%d steps: %d estimates shown, %d messages, %d About windows, %d conversions, "
              "%d restarts after Exit, Escape or the close box",
              steps, estimates, messages, abouts, conversions, restarts);
    }
};

QTEST_MAIN(RandomGuiTest)
#include "random_gui_test.moc"
