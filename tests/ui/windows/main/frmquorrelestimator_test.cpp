#include "application.h"
#include "form.h"
#include "forms.h"
#include "frmabout.h"
#include "frmbrain.h"
#include "frmcoolingcurve.h"
#include "frmhenssge.h"
#include "frmquorrelestimator.h"
#include "frmsigns.h"
#include "frmtemps.h"
#include "uitest.h"
#include "widgets.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QToolTip>
#include <QWhatsThis>

#include <algorithm>

using namespace quorrel::ui;
using namespace quorrel::test;

namespace
{
const QStringList kWorkedEntries{"60", "80", "75", "2"};
const QStringList kMidnight{"12", "00", "00", "AM"};
const QString kInvalidText = QStringLiteral(
    "The data you entered would produce Non-real results.\nPlease check your entries.");
} // namespace

class MainWindowTest : public QObject, public WindowFixture
{
    Q_OBJECT

    QComboBox *list(int i) const
    {
        return QList<QComboBox *>{controls(form).cboHours, controls(form).cboMinutes,
                                  controls(form).cboSeconds, controls(form).cboAMPM}[i];
    }
    TextBox *entry(int i) const
    {
        return QList<TextBox *>{controls(form).txtAmbRoomTemp, controls(form).txtCorpseTemp,
                                controls(form).txtCorpseTempTwo, controls(form).txtCorpseTime}[i];
    }

    // Clicks into a field, selects what it holds and types over it; a null
    // text leaves the field alone.
    static void typeInto(QLineEdit *field, const QString &text)
    {
        if (text.isNull())
            return;
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            for (const QChar c : text) // as a keyboard layout of any script types it
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
    }
    void pick(const QStringList &picks)
    {
        for (int i = 0; i < 4; ++i)
            typeInto(list(i)->lineEdit(), picks[i]);
    }
    void enter(const QStringList &entries)
    {
        for (int i = 0; i < 4; ++i)
            typeInto(entry(i), entries[i]);
    }
    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void setTime(const QStringList &picks)
    {
        pick(picks);
        click(controls(form).cmdSetTime);
    }

private slots:
    // What's This shows its text in a popup of its own, a top-level window.
    static bool whatsThisShown()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [](const QWidget *w) {
            return w->isVisible() && w->inherits("QWhatsThat");
        });
    }

    void initTestCase()
    {
        setUpApplication(); // the program's own style and font
        // A unit left chosen by an earlier run is no default for this one.
        QSettings().remove(QStringLiteral("temperaturesInCelsius"));
    }

    void init() { start(); }

    void cleanup() { finish(); }

    void controlsLieWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        const auto row = [](const char *name, int l, int t, int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(name) << twips(l, t, w, h);
        };
        row("cboHours", 360, 480, 855, 315);
        row("cboMinutes", 1200, 480, 855, 315);
        row("cboSeconds", 2040, 480, 975, 315);
        row("cboAMPM", 3000, 480, 1095, 315);
        row("cmdSetTime", 4200, 480, 975, 335);
        row("txtAmbRoomTemp", 3000, 1530, 1215, 285);
        row("txtCorpseTemp", 3000, 2040, 1215, 285);
        row("txtCorpseTempTwo", 3000, 2520, 1215, 285);
        row("txtCorpseTime", 3000, 3000, 1215, 285);
        row("txtTimeDead", 3120, 3690, 1815, 285);
        row("cmdCalculate", 120, 4320, 1400, 335);
        row("cmdClear", 1560, 4320, 1400, 335);
        row("cmdLaunchTempConvert", 3000, 4320, 1400, 335);
        row("cmdExit", 4440, 4320, 1400, 335);
        row("lblRoomTemp", 240, 1560, 2775, 255);
        row("lblCorpseTime", 240, 2880, 2775, 495);
        row("lblTimeDead", 600, 3720, 2295, 255);
        row("fraTimeFound", 120, 120, 5775, 1215);
        row("txtTimeOfDiscovery", 360, 960, 2055, 285);
        row("Picture1", 4320, 1800, 1575, 1215);
        row("cmdAbout", 4560, 3120, 1095, 335);
        row("lblCorpseTemp", 0, 2040, 3015, 255);
        row("lblCorpseTemp2", 0, 2520, 3015, 255);
        // The lines meet at their corners around the result row.
        QTest::newRow("Line1") << "Line1" << QRect(40, 240, 297, 1);
        QTest::newRow("Line2") << "Line2" << QRect(40, 240, 1, 33);
        QTest::newRow("Line3") << "Line3" << QRect(40, 272, 297, 1);
        QTest::newRow("Line4") << "Line4" << QRect(336, 240, 1, 33);
    }
    // Measured from the client area's top-left corner, just below the menu
    // bar: the menu bar moves nothing within it.
    void controlsLieWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        auto *control = form->findChild<QWidget *>(name);
        QVERIFY(control);
        const QPoint clientOrigin(0, controls(form).menuBar->geometry().bottom() + 1);
        QCOMPARE(QRect(control->mapTo(form, QPoint()) - clientOrigin, control->size()), pixels);
    }

    void windowLooksAsLaidOut()
    {
        QCOMPARE(form->windowTitle(), "Quorrel Estimator - Halbrook");
        // The client area keeps its size; the window grows by the menu bar.
        QCOMPARE(form->size(), QSize(394, 316 + controls(form).menuBar->height()));
        QCOMPARE(controls(form).menuBar->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(
            !(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!form->windowIcon().isNull());
        const QRect screen = form->screen()->availableGeometry();
        QVERIFY(qAbs(form->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(form->frameGeometry().center().y() - screen.center().y()) <= 1);
        QCOMPARE(form->palette().color(QPalette::Window), QColor(192, 192, 192));
        for (QPushButton *button : form->findChildren<QPushButton *>())
            QCOMPARE(button->palette().color(QPalette::Button), QColor(224, 224, 224));
        for (QLabel *label : form->findChildren<QLabel *>()) {
            QVERIFY(label->font().bold());
            QVERIFY(label->alignment() & Qt::AlignRight);
            QVERIFY(!label->autoFillBackground());
        }
        QVERIFY(controls(form).lblCorpseTime->wordWrap());
        QCOMPARE(controls(form).fraTimeFound->title(),
                 "Please enter the Time the Corpse was found");
        // The window shows the pixels of our JPEG picture, stored as a bitmap.
        const QImage shown =
            QImage(":/pictures/picture1.bmp").convertToFormat(QImage::Format_RGB32);
        const QImage drawn = QImage(QUORREL_SOURCE_DIR "/resources/pictures/picture1.jpg")
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(100, 83));
        QCOMPARE(shown, drawn);
        QCOMPARE(QPixmap(":/icons/quorrel.bmp").size(), QSize(32, 32));
    }

    // The frame's caption is set into its top border, at the left: the border
    // line runs through the caption's height, as drawn on screen.
    void frameCaptionSitsInTheTopBorder()
    {
        const QImage image = controls(form).fraTimeFound->grab().toImage();
        const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 160; };
        // The border's top line, found right of the caption.
        const int lineX = image.width() - 12;
        int lineY = 0;
        while (lineY < image.height() && !dark(lineX, lineY))
            ++lineY;
        // The caption's rows: dark pixels in the first third, above the lists.
        int textTop = image.height(), textBottom = -1, textLeft = image.width();
        for (int y = 0; y < image.height() / 3; ++y)
            for (int x = 4; x < image.width() / 3; ++x)
                if (dark(x, y) && y != lineY) {
                    textTop = std::min(textTop, y);
                    textBottom = std::max(textBottom, y);
                    textLeft = std::min(textLeft, x);
                }
        QVERIFY2(textTop < lineY && lineY < textBottom,
                 qPrintable(QStringLiteral("line at %1, caption from %2 to %3")
                                .arg(lineY)
                                .arg(textTop)
                                .arg(textBottom)));
        QVERIFY(textLeft < 16);
    }

    // Whatever sans-serif face stands in for the window font, and at any scale
    // factor (sizes are device-independent), no caption may be cut off, in any
    // of the three windows. Run again with DejaVu only, which is wider than
    // the face the layout was measured against (QUORREL_EXPECT_FACE names it).
    // Every window, in whatever language and fonts the run asks for.
    void noCaptionIsClipped()
    {
        const QList<QWidget *> windows{form,         &tempsForm(), &aboutForm(), &henssgeForm(),
                                       &brainForm(), &signsForm(), &curveForm()};
        for (QWidget *window : windows)
            window->show();
        const bool german = qEnvironmentVariable("LANGUAGE").startsWith(QLatin1String("de"));
        if (german)
            QCOMPARE_NE(controls(form).cmdCalculate->text(), QStringLiteral("&Calculate"));
        const QByteArray face = qgetenv("QUORREL_EXPECT_FACE");
        for (QWidget *window : windows) {
            for (QLabel *label : window->findChildren<QLabel *>()) {
                if (!face.isEmpty())
                    QCOMPARE(QFontInfo(label->font()).family(), QString::fromUtf8(face));
                const QRect needed = label->fontMetrics().boundingRect(
                    label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap,
                    label->text());
                QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->text()));
                if (!label->wordWrap())
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                                 label->contentsRect().width(),
                             qPrintable(label->text()));
            }
            for (QPushButton *button : window->findChildren<QPushButton *>()) {
                const QString caption = QString(button->text()).remove('&');
                QVERIFY2(button->fontMetrics().horizontalAdvance(caption) < button->width() - 4,
                         qPrintable(caption));
            }
            for (QCheckBox *box : window->findChildren<QCheckBox *>()) {
                const QString caption = QString(box->text()).remove('&');
                QVERIFY2(box->fontMetrics().horizontalAdvance(caption) + 20 <= box->width(),
                         qPrintable(caption));
            }
            // An editable list's placeholder, inside the edit's two-pixel
            // margins; the English ones are the fixed layout's own.
            for (QComboBox *list : window->findChildren<QComboBox *>())
                if (german && list->lineEdit() && list->currentIndex() < 0)
                    QVERIFY2(list->fontMetrics().horizontalAdvance(list->currentText()) <=
                                 list->lineEdit()->contentsRect().width() - 4,
                             qPrintable(list->currentText()));
            for (QGroupBox *frame : window->findChildren<QGroupBox *>())
                QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) + 16 <
                             frame->width(),
                         qPrintable(frame->title()));
        }
        for (QWidget *window : windows)
            if (window != form)
                window->close();
    }

    void loadLeavesTheWindowReady()
    {
        QCOMPARE(focused(), controls(form).cboHours);
        const QStringList placeholders{"Hour", "Minute", "Second", "AM / PM"};
        const int counts[] = {12, 60, 60, 2};
        const QStringList first{"01", "00", "00", "PM"}, last{"12", "59", "59", "AM"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(list(i)->currentText(), placeholders[i]);
            QCOMPARE(list(i)->currentIndex(), -1);
            QCOMPARE(list(i)->count(), counts[i]);
            QCOMPARE(list(i)->itemText(0), first[i]);
            QCOMPARE(list(i)->itemText(counts[i] - 1), last[i]);
        }
        QCOMPARE(controls(form).lblRoomTemp->text(), "Ambient Room Temperature \u00B0F:");
        QCOMPARE(controls(form).lblCorpseTemp->text(), "Corpse Temperature reading 1 \u00B0F:");
        QCOMPARE(controls(form).lblCorpseTemp2->text(), "Corpse Temperature reading 2 \u00B0F:");
        QVERIFY(controls(form).txtTimeDead->isReadOnly());
        QVERIFY(controls(form).txtTimeOfDiscovery->isReadOnly());
        QVERIFY(controls(form).txtTimeOfDiscovery->isHidden());
        QCOMPARE(LoadedForms::instance().count(), 1);
    }

    void workedExampleByKeyboard_data()
    {
        QTest::addColumn<bool>("setTimeFirst");
        QTest::newRow("Set Time, then Calculate") << true;
        QTest::newRow("Calculate before Set Time") << false;
    }
    void workedExampleByKeyboard()
    {
        QFETCH(bool, setTimeFirst);
        for (const QString &text : kMidnight) {
            type(text);
            press(Qt::Key_Tab);
        }
        QCOMPARE(focused(), controls(form).cmdSetTime);
        if (setTimeFirst) {
            press(Qt::Key_Return);
            QVERIFY(controls(form).txtTimeOfDiscovery->isVisible());
            QCOMPARE(controls(form).txtTimeOfDiscovery->text(), "12:00:00 AM");
        }
        for (const QString &text : kWorkedEntries) {
            press(Qt::Key_Tab);
            type(text);
        }
        QCOMPARE(focused(), controls(form).txtCorpseTime);
        press(Qt::Key_Return);
        if (!setTimeFirst) {
            QCOMPARE(controls(form).txtTimeOfDiscovery->text(), "12:00:00 AM");
            QCOMPARE(controls(form).txtTimeDead->text(), "");
            press(Qt::Key_Return);
        }
        QCOMPARE(controls(form).txtTimeDead->text(), "7:25:44 PM");
        QCOMPARE(form->hoursSinceDeath(), 4.571157300926373);
        QVERIFY(messages->seen.isEmpty());
    }

    void tabCycle_data()
    {
        QTest::addColumn<bool>("timeSet");
        QTest::addColumn<QStringList>("cycle");
        const QStringList head{"cboMinutes",       "cboSeconds",     "cboAMPM",
                               "cmdSetTime",       "txtAmbRoomTemp", "txtCorpseTemp",
                               "txtCorpseTempTwo", "txtCorpseTime",  "txtTimeDead",
                               "cmdCalculate",     "cmdClear",       "cmdLaunchTempConvert",
                               "cmdExit"};
        const QStringList tail{"Picture1", "cmdAbout", "cboHours"};
        QTest::newRow("after load") << false << head + tail;
        QTest::newRow("after Set Time") << true << head + QStringList{"txtTimeOfDiscovery"} + tail;
    }
    void tabCycle()
    {
        QFETCH(bool, timeSet);
        QFETCH(QStringList, cycle);
        if (timeSet) {
            setTime(kMidnight);
            controls(form).cboHours->setFocus(Qt::OtherFocusReason);
        }
        QStringList visited;
        for (int i = 0; i < cycle.size(); ++i) {
            press(Qt::Key_Tab);
            visited << focused()->objectName();
        }
        QCOMPARE(visited, cycle);

        QStringList backwards;
        for (int i = 0; i < cycle.size(); ++i) {
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            backwards.prepend(focused()->objectName());
        }
        cycle.move(cycle.size() - 1, 0);
        QCOMPARE(backwards, cycle);
    }

    void enterPressesTheDefaultButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("calculates");
        QTest::newRow("text box") << "txtCorpseTime" << true;
        QTest::newRow("closed pick list") << "cboMinutes" << true;
        QTest::newRow("picture") << "Picture1" << true;
        QTest::newRow("Clear button takes Enter itself") << "cmdClear" << false;
    }
    void enterPressesTheDefaultButton()
    {
        QFETCH(QString, focus);
        QFETCH(bool, calculates);
        typeInto(controls(form).txtAmbRoomTemp, "60");
        form->findChild<QWidget *>(focus)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        // With no time picked, Calculate only checks the lists and says so.
        QCOMPARE(messages->seen.size(), calculates ? 1 : 0);
        if (calculates)
            QCOMPARE(messages->seen[0].title, "Incomplete Selection");
        QCOMPARE(controls(form).txtAmbRoomTemp->text(), calculates ? "60" : "");
    }

    void accessKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect");
        QTest::addColumn<int>("modifier");
        const int alt = Qt::AltModifier;
        QTest::newRow("Alt+C calculates") << int(Qt::Key_C) << "message" << alt;
        QTest::newRow("Alt+L clears") << int(Qt::Key_L) << "cleared" << alt;
        QTest::newRow("Alt+X exits") << int(Qt::Key_X) << "closed" << alt;
        QTest::newRow("Alt+D opens the converter") << int(Qt::Key_D) << "converter" << alt;
        QTest::newRow("Alt+S is no access key") << int(Qt::Key_S) << "nothing" << alt;
        QTest::newRow("Alt+A is no access key") << int(Qt::Key_A) << "nothing" << alt;
        // The menus' titles take letters no button has; Escape then closes
        // the menu, not the program.
        QTest::newRow("Alt+F opens the File menu") << int(Qt::Key_F) << "menu" << alt;
        QTest::newRow("Alt+E opens the Estimate menu") << int(Qt::Key_E) << "menu" << alt;
        QTest::newRow("Alt+T opens the Tools menu") << int(Qt::Key_T) << "menu" << alt;
        QTest::newRow("Alt+H opens the Help menu") << int(Qt::Key_H) << "menu" << alt;
        QTest::newRow("Ctrl+G opens the cooling curve")
            << int(Qt::Key_G) << "curve" << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+H opens the Henssge nomogram")
            << int(Qt::Key_H) << "henssge" << int(Qt::ControlModifier);
    }
    void accessKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, effect);
        QFETCH(int, modifier);
        typeInto(controls(form).txtCorpseTemp, "80");
        QSignalSpy ended(&LoadedForms::instance(), &LoadedForms::allUnloaded);
        press(Qt::Key(key), Qt::KeyboardModifiers(modifier));
        if (effect == "message")
            QTRY_COMPARE(messages->seen.size(), 1);
        else if (effect == "cleared")
            QTRY_COMPARE(controls(form).txtCorpseTemp->text(), "");
        else if (effect == "closed")
            QTRY_COMPARE(ended.size(), 1);
        else if (effect == "converter")
            QTRY_VERIFY(tempsForm().isVisible());
        else if (effect == "curve")
            QTRY_VERIFY(loadedCurveForm() && loadedCurveForm()->isVisible());
        else if (effect == "henssge")
            QTRY_VERIFY(loadedHenssgeForm() && loadedHenssgeForm()->isVisible());
        if (effect == "menu") {
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QVERIFY(!QApplication::activePopupWidget());
        }
        QTest::qWait(200); // an access key clicks after a short animation
        if (effect != "closed") {
            QCOMPARE(ended.size(), 0);
            QCOMPARE(controls(form).txtCorpseTemp->text().isEmpty(), effect == "cleared");
            QCOMPARE(messages->seen.size(), effect == "message" ? 1 : 0);
            const bool opens = effect == "converter" || effect == "curve" || effect == "henssge";
            QCOMPARE(LoadedForms::instance().count(), opens ? 2 : 1);
        }
    }

    void escapeClosesFromAnyControl_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("text box, with Shift") << "txtCorpseTemp" << int(Qt::ShiftModifier);
        QTest::newRow("pick list") << "cboAMPM" << int(Qt::NoModifier);
        QTest::newRow("button, with Control") << "cmdCalculate" << int(Qt::ControlModifier);
        QTest::newRow("read-only result box") << "txtTimeDead" << int(Qt::NoModifier);
    }
    void escapeClosesFromAnyControl()
    {
        QFETCH(QString, focus);
        QFETCH(int, modifiers);
        QSignalSpy ended(&LoadedForms::instance(), &LoadedForms::allUnloaded);
        form->findChild<QWidget *>(focus)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(LoadedForms::instance().count(), 0);
        QVERIFY(messages->seen.isEmpty());
    }

    void closeBoxAndExitEndTheProgram()
    {
        QSignalSpy ended(&LoadedForms::instance(), &LoadedForms::allUnloaded);
        form->close();
        QCOMPARE(ended.size(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());

        // A fresh window through the accessor, then Exit.
        form = &mainForm();
        form->show();
        QCOMPARE(controls(form).cboHours->count(), 12);
        click(controls(form).cmdExit);
        QCOMPARE(ended.size(), 2);
    }

    // With the converter and another modeless window both open, closing the
    // main window must take both along, or the program would run on with no
    // main window.
    void closingTheMainWindowUnloadsEveryOtherWindow()
    {
        QSignalSpy ended(&LoadedForms::instance(), &LoadedForms::allUnloaded);
        click(controls(form).cmdLaunchTempConvert);
        QPointer<Form> other = new Form;
        other->show();
        QCOMPARE(LoadedForms::instance().count(), 3);
        click(controls(form).cmdExit);
        QCOMPARE(LoadedForms::instance().count(), 0);
        QCOMPARE(ended.size(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(other.isNull());
    }

    void eachMessageAsWritten_data()
    {
        QTest::addColumn<QStringList>("picks");
        QTest::addColumn<bool>("setTimeFirst");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        const QString incomplete = QStringLiteral("Please revise the following fields: ");
        const int warning = QMessageBox::Warning, critical = QMessageBox::Critical,
                  information = QMessageBox::Information;
        const QString none; // a list left on its placeholder
        const QStringList noEntries{none, none, none, none};

        QTest::newRow("Set Time with nothing picked")
            << QStringList{none, none, none, none} << false << noEntries << "Incomplete Selection"
            << incomplete + "Hour Minute Second AM/PM" << warning;
        QTest::newRow("only the minutes unpicked")
            << QStringList{"12", none, "00", "AM"} << false << noEntries << "Incomplete Selection"
            << incomplete + " Minute  " << warning;
        QTest::newRow("only AM/PM unpicked")
            << QStringList{"12", "00", "00", none} << false << noEntries << "Incomplete Selection"
            << incomplete + "   AM/PM" << warning;
        QTest::newRow("Set Time with a typed hour that is no time")
            << QStringList{"ab", "00", "00", "AM"} << false << noEntries << "Invalid Data"
            << kInvalidText << critical;
        QTest::newRow("all entries empty")
            << kMidnight << true << QStringList{"", "", "", ""} << "Error - Input Type"
            << "Enter numeric values only." << information;
        QTest::newRow("all entries 0")
            << kMidnight << true << QStringList{"0", "0", "0", "0"} << "Error - Input Type"
            << "Enter numeric values only." << information;
        QTest::newRow("all entries within half of 0")
            << kMidnight << true << QStringList{"0.5", "-0.5", "0.4", "abc"} << "Error - Input Type"
            << "Enter numeric values only." << information;
        QTest::newRow("empty elapsed time")
            << kMidnight << true << QStringList{"60", "80", "75", ""} << "Invalid Data"
            << kInvalidText << critical;
        QTest::newRow("no time between readings")
            << kMidnight << true << QStringList{"60", "80", "75", "0"} << "Invalid Data"
            << kInvalidText << critical;
        QTest::newRow("no cooling") << kMidnight << true << QStringList{"60", "80", "80", "2"}
                                    << "Invalid Data" << kInvalidText << critical;
        QTest::newRow("1E10 fails the numeric check")
            << kMidnight << true << QStringList{"60", "1E10", "75", "2"} << "Invalid Data"
            << kInvalidText << critical;
        QTest::newRow("unit typed after a number")
            << kMidnight << true << QStringList{"60F", "80", "75", "2"} << "Invalid Data"
            << kInvalidText << critical;
    }
    void eachMessageAsWritten()
    {
        QFETCH(QStringList, picks);
        QFETCH(bool, setTimeFirst);
        QFETCH(QStringList, entries);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);
        pick(picks);
        if (setTimeFirst) {
            click(controls(form).cmdSetTime);
            QCOMPARE(messages->seen.size(), 0);
        }
        enter(entries);
        const QString shownTime = controls(form).txtTimeOfDiscovery->text();
        click(setTimeFirst ? controls(form).cmdCalculate : controls(form).cmdSetTime);

        QCOMPARE(messages->seen.size(), 1);
        const SeenMessage seen = messages->seen[0];
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(controls(form).txtTimeDead->text(), "");
        QCOMPARE(controls(form).txtTimeOfDiscovery->text(), shownTime);
        if (title == "Error - Input Type") {
            // The desktop gives the focus back to the window once the box is
            // closed; the offscreen platform needs to be told.
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
            QCOMPARE(focused(), controls(form).txtAmbRoomTemp);
            QTRY_COMPARE(controls(form).txtAmbRoomTemp->selectedText(),
                         controls(form).txtAmbRoomTemp->text());
        }
    }

    void failedCalculateKeepsTheEarlierResult()
    {
        setTime(kMidnight);
        enter(kWorkedEntries);
        click(controls(form).cmdCalculate);
        QCOMPARE(controls(form).txtTimeDead->text(), "7:25:44 PM");
        enter({"60", "80", "75", "1"});
        click(controls(form).cmdCalculate);
        QCOMPARE(controls(form).txtTimeDead->text(), "9:42:52 PM");
        enter({"60", "80", "80", "1"});
        click(controls(form).cmdCalculate);
        QCOMPARE(messages->seen.size(), 1);
        QCOMPARE(controls(form).txtTimeDead->text(), "9:42:52 PM");
        QCOMPARE(form->hoursSinceDeath(), 2.2855786504631865);
    }

    // Beside the clock time, the result box tells (as its tooltip and to a
    // screen reader) how long before discovery and how sure, or what makes
    // the estimate doubtful.
    void resultCarriesHowLongAndHowSure_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("sentence");
        const QString d = QStringLiteral("\u00B0");
        const QString found = QStringLiteral(" before the body was found at 12:00:00 AM; ");
        const QString each = "each reading off by 0.1 " + d + "F ";
        const QString undefined =
            "a reading off by 0.1 " + d + "F could make the estimate undefined";
        QTest::newRow("worked example")
            << kWorkedEntries << "7:25:44 PM"
            << "4 h 34 min 16 s" + found + each + "moves this by up to 14 min";
        QTest::newRow("exactly one day")
            << QStringList{"60", "80", "75", "10.5006"} << "12:00:00 AM"
            << "1 day 0 h 0 min 0 s" + found + each + "moves this by up to 1 h";
        QTest::newRow("exactly two days")
            << QStringList{"60", "80", "75", "21.0012"} << "12:00:00 AM"
            << "2 days 0 h 0 min 0 s" + found + each + "moves this by up to 3 h";
        QTest::newRow("a first reading of exactly 98.6 is no doubt")
            << QStringList{"60", "98.6", "75", "2"} << "12:00:00 AM"
            << "0 h 0 min 0 s" + found + each +
                   "could move this by more than the whole time before the body was found";
        QTest::newRow("spread wider than the time before discovery")
            << QStringList{"60", "80", "79.7", "2"} << "8:59:23 AM"
            << "3 days 15 h 0 min 37 s" + found + each +
                   "could move this by more than the whole time before the body was found";
        QTest::newRow("a reading off by 0.1 makes it undefined")
            << QStringList{"60", "80", "79.9", "2"} << "1:39:00 AM"
            << "10 days 22 h 21 min 0 s" + found + undefined;
        QTest::newRow("readings that meet once moved, though binary sums miss")
            << QStringList{"60", "80", "79.8", "2"} << "1:09:17 PM"
            << "5 days 10 h 50 min 43 s" + found + undefined;
        QTest::newRow("a long gap, where the spread overflowed")
            << QStringList{"60", "80", "79.8", "200"} << "7:27:43 PM"
            << "545 days 4 h 32 min 17 s" + found + undefined;
        QTest::newRow("a spread in days")
            << QStringList{"55", "62.3", "61.5", "20"} << "4:03:24 AM"
            << "12 days 19 h 56 min 36 s" + found + each + "moves this by up to 5 days";
        // Typed in \u00B0C, the same body as in \u00B0F to the second.
        QTest::newRow("a body typed in \u00B0F")
            << QStringList{"59", "80.6", "76.1", "2"} << "6:48:39 PM"
            << "5 h 11 min 21 s" + found + each + "moves this by up to 18 min";
        // Read to a tenth of a °C, 0.18 °F: a wider spread, said in °C.
        QTest::newRow("the same body typed in \u00B0C")
            << QStringList{"15", "27", "24.5", "2", "\u00B0C"} << "6:48:39 PM"
            << "5 h 11 min 21 s" + found + "each reading off by 0.1 " + d + "C " +
                   "moves this by up to 33 min";
        QTest::newRow("the body warmed")
            << QStringList{"60", "75", "80", "2"} << "5:25:44 PM"
            << "Doubtful: the second reading is farther from the room temperature than the "
               "first, so the body was not cooling";
        QTest::newRow("negative elapsed time")
            << QStringList{"60", "80", "75", "-2"} << "7:25:44 PM"
            << "Doubtful: the hours between the readings are negative";
        QTest::newRow("a body below absolute zero")
            << QStringList{"100", "-470", "-480", "2"} << "4:57:49 AM"
            << "Doubtful: the first reading is below absolute zero (-459.67 " + d +
                   "F), which no temperature can be";
    }
    void resultCarriesHowLongAndHowSure()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, time);
        QFETCH(QString, sentence);
        setTime(kMidnight);
        QAction *celsius = form->findChild<QAction *>(QStringLiteral("mnuCelsius"));
        if (entries.size() > 4)
            celsius->trigger();
        enter(entries.mid(0, 4));
        click(controls(form).cmdCalculate);
        QCOMPARE(controls(form).txtTimeDead->text(), time);
        QCOMPARE(controls(form).txtTimeDead->toolTip(), sentence);
        QCOMPARE(QAccessible::queryAccessibleInterface(controls(form).txtTimeDead)
                     ->text(QAccessible::Description),
                 sentence);
        // Reached by keyboard, the box shows the sentence as on hover; Shift+F1
        // shows it too.
        controls(form).txtCorpseTime->setFocus();
        press(Qt::Key_Tab);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), sentence);
        press(Qt::Key_F1, Qt::ShiftModifier);
        QTRY_VERIFY(whatsThisShown());
        QWhatsThis::hideText();
        // A failed Calculate leaves the time, and its sentence with it; so does
        // a new time of discovery, which the sentence does not claim.
        enter({"60", "80", "80", "2"});
        click(controls(form).cmdCalculate);
        typeInto(controls(form).cboHours->lineEdit(), "03");
        click(controls(form).cmdSetTime);
        QCOMPARE(controls(form).txtTimeOfDiscovery->text(), "3:00:00 AM");
        QCOMPARE(controls(form).txtTimeDead->text(), time);
        QCOMPARE(controls(form).txtTimeDead->toolTip(), sentence);
        // Clear takes both away.
        click(controls(form).cmdClear);

        QCOMPARE(controls(form).txtTimeDead->toolTip(), "");
        QCOMPARE(QAccessible::queryAccessibleInterface(controls(form).txtTimeDead)
                     ->text(QAccessible::Description),
                 "");
    }

    // Switching the unit converts what is typed and says so; a rounded °C is
    // named, and the estimate stays as the exact °F made it.
    void switchingTheUnitConvertsTheEntries_data()
    {
        // The three readings; a fourth is a room typed over after the
        // estimates, without Calculate.
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("converted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("time");
        // The Henssge window's room ± typed, then the window closed; as reopened.
        QTest::addColumn<QStringList>("roomPm");
        // Henssge's estimate made before the switch: its words after it.
        QTest::addColumn<QString>("henssge");
        const QString d = QStringLiteral("\u00B0");
        QTest::newRow("exact both ways")
            << QStringList{"59", "80.6", "76.1"} << QStringList{"15", "27", "24.5"}
            << "The typed temperatures were converted to " + d + "C."
            << "6:48:39 PM" << QStringList() << QString();
        QTest::newRow("a closed window's \u00B1")
            << QStringList{"59", "80.6", "76.1"} << QStringList{"15", "27", "24.5"}
            << "The typed temperatures were converted to " + d + "C."
            << "6:48:39 PM" << QStringList{"1.8", "1"} << QString();
        QTest::newRow("Henssge's estimate without Newton's")
            << QStringList{"59", "80.6", ""} << QStringList{"15", "27", ""}
            << "The typed temperatures were converted to " + d + "C."
            << "" << QStringList()
            << "With the room at \u206615\u200E \u00B1 \u200E1\u2069 " + d + "C,";
        QTest::newRow("one rounded")
            << QStringList{"59", "80.6", "75"} << QStringList{"15", "27", "23.8889"}
            << "The typed temperatures were converted to " + d +
                   "C.\nCorpse Temperature "
                   "reading 2: 75 " +
                   d + "F is 23.8889 " + d +
                   "C to four decimals.\nThe estimates were made again from the converted "
                   "values."
            << "7:57:38 PM" << QStringList() << QString();
        QTest::newRow("what is no number is named, not converted")
            << QStringList{"abc", "80.6", ""} << QStringList{"abc", "27", ""}
            << "The typed temperatures were converted to " + d +
                   "C.\nAmbient Room Temperature: abc is no number, so it was left as typed."
            << "" << QStringList() << QString();
        QTest::newRow("a room typed over since: the estimates stay as made")
            << QStringList{"59", "80.6", "76.1", "50"} << QStringList{"10", "27", "24.5"}
            << "The typed temperatures were converted to " + d + "C."
            << "6:48:39 PM" << QStringList()
            << "With the room at \u206615\u200E \u00B1 \u200E1\u2069 " + d + "C,";
    }
    void switchingTheUnitConvertsTheEntries()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, converted);
        QFETCH(QString, message);
        QFETCH(QString, time);
        QFETCH(QStringList, roomPm);
        QFETCH(QString, henssge);
        setTime(kMidnight);
        enter(typed.mid(0, 3) + QStringList{"2"});
        if (!typed[2].isEmpty())
            click(controls(form).cmdCalculate);
        if (!henssge.isEmpty()) {
            henssgeForm().present();
            henssgeForm().txtMass->setText("70");
            henssgeForm().chkUncertain->click();
            henssgeForm().txtRoomUncertainty->setText("1.8");
            click(henssgeForm().cmdEstimate);
            henssgeForm().close();
            QTRY_VERIFY(!loadedHenssgeForm());
        }
        if (typed.size() > 3)
            entry(0)->setText(typed[3]);
        if (!roomPm.isEmpty()) {
            henssgeForm().present();
            henssgeForm().chkUncertain->click();
            henssgeForm().txtRoomUncertainty->setText(roomPm[0]);
            henssgeForm().close();
            QTRY_VERIFY(!loadedHenssgeForm());
        }
        QAction *celsius = form->findChild<QAction *>(QStringLiteral("mnuCelsius"));
        celsius->trigger();
        if (!roomPm.isEmpty()) {
            henssgeForm().present();
            QCOMPARE(henssgeForm().txtRoomUncertainty->text(), roomPm[1]);
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(entry(i)->text(), converted[i]);
        QCOMPARE(controls(form).lblRoomTemp->text(), "Ambient Room Temperature \u00B0C:");
        QCOMPARE(messages->seen.size(), 1);
        QCOMPARE(messages->seen[0].text, message);
        QCOMPARE(controls(form).txtTimeDead->text(), time);
        if (!henssge.isEmpty()) {
            henssgeForm().present();
            QVERIFY2(henssgeForm().lblResult->text().contains(henssge),
                     qPrintable(henssgeForm().lblResult->text()));
        }
        // Switched back, what was typed is there again, a rounded value too.
        celsius->trigger();
        QCOMPARE(entry(0)->text(), typed.value(3, typed[0]));
        QCOMPARE(entry(1)->text(), typed[1]);
        QCOMPARE(entry(2)->text(), typed[2]);
        QCOMPARE(controls(form).txtTimeDead->text(), time);
        QCOMPARE(messages->seen.size(), 2);
    }

    // After Set Time the lists can still be changed: Calculate computes from
    // what they hold and shows that time, and a pick that is no time of day
    // must never turn into a wrong time of death.
    void picksChangedAfterSetTime_data()
    {
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("death"); // empty: "Invalid Data"
        QTest::newRow("hour 13 with AM") << 0 << "13"
                                         << "12:00:00 AM"
                                         << "";
        QTest::newRow("minutes ab") << 1 << "ab"
                                    << "12:00:00 AM"
                                    << "";
        QTest::newRow("seconds 60") << 2 << "60"
                                    << "12:00:00 AM"
                                    << "";
        QTest::newRow("a.m. is neither AM nor PM") << 3 << "a.m."
                                                   << "12:00:00 AM"
                                                   << "";
        QTest::newRow("placeholder typed back") << 0 << "Hour"
                                                << "12:00:00 AM"
                                                << "";
        QTest::newRow("hour changed to 01") << 0 << "01"
                                            << "1:00:00 AM"
                                            << "8:25:44 PM";
        QTest::newRow("lower-case am is no time either") << 3 << "am"
                                                         << "12:00:00 AM"
                                                         << "";
        QTest::newRow("a typed 1 stays hour 1") << 0 << "1"
                                                << "1:00:00 AM"
                                                << "8:25:44 PM";
    }
    void picksChangedAfterSetTime()
    {
        QFETCH(int, listIndex);
        QFETCH(QString, typed);
        QFETCH(QString, found);
        QFETCH(QString, death);
        setTime(kMidnight);
        enter(kWorkedEntries);
        typeInto(list(listIndex)->lineEdit(), typed);
        click(controls(form).cmdCalculate);
        QCOMPARE(messages->seen.size(), death.isEmpty() ? 1 : 0);
        if (death.isEmpty())
            QCOMPARE(messages->seen[0].title, "Invalid Data");
        QCOMPARE(controls(form).txtTimeDead->text(), death);
        QCOMPARE(controls(form).txtTimeOfDiscovery->text(), found);
    }

    void clearTwiceKeepsTheLists()
    {
        setTime(kMidnight);
        enter(kWorkedEntries);
        click(controls(form).cmdCalculate);
        controls(form).cboMinutes->setCurrentIndex(30);
        click(controls(form).cmdClear);
        click(controls(form).cmdClear);
        const QStringList placeholders{"Hour", "Minute", "Second", "AM / PM"};
        const int counts[] = {12, 60, 60, 2};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(list(i)->currentText(), placeholders[i]);
            QCOMPARE(list(i)->currentIndex(), -1);
            QCOMPARE(list(i)->count(), counts[i]);
            QCOMPARE(entry(i)->text(), "");
        }
        QCOMPARE(controls(form).txtTimeDead->text(), "");
        QCOMPARE(controls(form).txtTimeOfDiscovery->text(), "");
        QVERIFY(controls(form).txtTimeOfDiscovery->isHidden());
        QVERIFY(controls(form).txtTimeDead->isReadOnly());
        QCOMPARE(form->hoursSinceDeath(), 4.571157300926373);
        QVERIFY(messages->seen.isEmpty());
        // With the time hidden again, Calculate only checks the lists.
        click(controls(form).cmdCalculate);
        QCOMPARE(messages->seen.size(), 1);
        QCOMPARE(messages->seen[0].title, "Incomplete Selection");
    }

    void readsNumbersInTheUsersLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("result");
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("decimal comma")
            << german << QStringList{"60", "80,6", "75", "2"} << "8:02:28 PM";
        QTest::newRow("point is a group separator, never 806")
            << german << QStringList{"60", "80.6", "75", "2"} << "";
        QTest::newRow("grouped thousands")
            << german << QStringList{"60", "1.080", "75", "2"} << "10:26:53 PM";
        QTest::newRow("the locale's own digits")
            << QLocale(QLocale::Arabic, QLocale::Egypt)
            << QStringList{"\u0666\u0660", "\u0668\u0660", "\u0667\u0665", "\u0662"}
            << "7:25:44 PM";
        // Typed in \u00B0C (a fifth entry), read as the same \u00B0F decimals.
        QTest::newRow("\u00B0C with a decimal comma")
            << german << QStringList{"15", "27", "24,5", "2", "C"} << "6:48:39 PM";
        QTest::newRow("\u00B0C in the locale's own digits, 80.6 \u00B0F among them")
            << QLocale(QLocale::Arabic, QLocale::Egypt)
            << QStringList{"\u0661\u0665", "\u0662\u0667", "\u0662\u0664\u066B\u0665", "\u0662",
                           "C"}
            << "6:48:39 PM";
    }
    void readsNumbersInTheUsersLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, entries);
        QFETCH(QString, result);
        QLocale::setDefault(locale);
        if (entries.size() > 4)
            form->findChild<QAction *>(QStringLiteral("mnuCelsius"))->trigger();
        setTime(kMidnight);
        enter(entries.mid(0, 4));
        click(controls(form).cmdCalculate);
        QCOMPARE(controls(form).txtTimeDead->text(), result);
        QCOMPARE(messages->seen.size(), result.isEmpty() ? 1 : 0);
    }

    void focusSelectsTheWholeText_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("four characters") << "txtCorpseTempTwo"
                                         << "75.5";
        QTest::newRow("empty box selects nothing") << "txtAmbRoomTemp"
                                                   << "";
        QTest::newRow("read-only result") << "txtTimeDead"
                                          << "7:25:44 PM";
        QTest::newRow("read-only time of discovery") << "txtTimeOfDiscovery"
                                                     << "12:00:00 AM";
    }
    void focusSelectsTheWholeText()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        auto *field = form->findChild<TextBox *>(box);
        field->show();
        field->setText(text);
        field->setCursorPosition(0);
        field->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(field->selectedText(), text);
        QCOMPARE(field->hasSelectedText(), !text.isEmpty());
    }

    // Coming back to the window (from a message, the converter or another
    // program) leaves the caret where the user put it.
    void windowReturnKeepsTheCaret()
    {
        controls(form).txtCorpseTemp->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        type("80.5");
        press(Qt::Key_Left);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(focused(), controls(form).txtCorpseTemp);
        QTest::qWait(20);
        QCOMPARE(controls(form).txtCorpseTemp->selectedText(), "");
        QCOMPARE(controls(form).txtCorpseTemp->cursorPosition(), 3);
    }
};

QTEST_MAIN(MainWindowTest)
#include "frmquorrelestimator_test.moc"
