#pragma once

// Helpers shared by the window tests: they act as a person does, through the
// keyboard and the mouse, and read modal message boxes as they appear.

#include "form.h"
#include "forms.h"
#include "frmhenssge.h"
#include "frmquorrelestimator.h"
#include "widgets.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace quorrel::test
{

// The main window's controls, found by their names as an assistive client
// finds them: the window keeps them to itself.
struct MainControls {
    explicit MainControls(QWidget *window) : window(window) {}
    template <typename T> static T *find(QWidget *window, const char *name)
    {
        return window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    QWidget *window;
    QMenuBar *menuBar = find<QMenuBar>(window, "menuBar");
    QWidget *clientArea = find<QWidget>(window, "clientArea");
    QAction *mnuCoolingCurve = find<QAction>(window, "mnuCoolingCurve");
    QAction *mnuHenssge = find<QAction>(window, "mnuHenssge");
    QAction *mnuNewCase = find<QAction>(window, "mnuNewCase");
    QAction *mnuOpenCase = find<QAction>(window, "mnuOpenCase");
    QAction *mnuSaveCase = find<QAction>(window, "mnuSaveCase");
    QAction *mnuSaveCaseAs = find<QAction>(window, "mnuSaveCaseAs");
    QAction *mnuExportCaseSheet = find<QAction>(window, "mnuExportCaseSheet");
    QAction *mnuPrintCaseSheet = find<QAction>(window, "mnuPrintCaseSheet");
    QAction *mnuExit = find<QAction>(window, "mnuExit");
    QAction *mnuDegreeConverter = find<QAction>(window, "mnuDegreeConverter");
    QAction *mnuAbout = find<QAction>(window, "mnuAbout");
    QAction *mnuCelsius = find<QAction>(window, "mnuCelsius");
    QComboBox *cboHours = find<QComboBox>(window, "cboHours");
    QComboBox *cboMinutes = find<QComboBox>(window, "cboMinutes");
    QComboBox *cboSeconds = find<QComboBox>(window, "cboSeconds");
    QComboBox *cboAMPM = find<QComboBox>(window, "cboAMPM");
    QPushButton *cmdSetTime = find<QPushButton>(window, "cmdSetTime");
    QPushButton *cmdCalculate = find<QPushButton>(window, "cmdCalculate");
    QPushButton *cmdClear = find<QPushButton>(window, "cmdClear");
    QPushButton *cmdLaunchTempConvert = find<QPushButton>(window, "cmdLaunchTempConvert");
    QPushButton *cmdExit = find<QPushButton>(window, "cmdExit");
    QPushButton *cmdAbout = find<QPushButton>(window, "cmdAbout");
    ui::TextBox *txtAmbRoomTemp = find<ui::TextBox>(window, "txtAmbRoomTemp");
    ui::TextBox *txtCorpseTemp = find<ui::TextBox>(window, "txtCorpseTemp");
    ui::TextBox *txtCorpseTempTwo = find<ui::TextBox>(window, "txtCorpseTempTwo");
    ui::TextBox *txtCorpseTime = find<ui::TextBox>(window, "txtCorpseTime");
    ui::TextBox *txtTimeDead = find<ui::TextBox>(window, "txtTimeDead");
    ui::TextBox *txtTimeOfDiscovery = find<ui::TextBox>(window, "txtTimeOfDiscovery");
    QLabel *lblRoomTemp = find<QLabel>(window, "lblRoomTemp");
    QLabel *lblCorpseTime = find<QLabel>(window, "lblCorpseTime");
    QLabel *lblTimeDead = find<QLabel>(window, "lblTimeDead");
    QLabel *lblCorpseTemp = find<QLabel>(window, "lblCorpseTemp");
    QLabel *lblCorpseTemp2 = find<QLabel>(window, "lblCorpseTemp2");
    QGroupBox *fraTimeFound = find<QGroupBox>(window, "fraTimeFound");
    ui::PictureBox *Picture1 = find<ui::PictureBox>(window, "Picture1");
    ui::Line *Line1 = find<ui::Line>(window, "Line1");
    ui::Line *Line2 = find<ui::Line>(window, "Line2");
    ui::Line *Line3 = find<ui::Line>(window, "Line3");
    ui::Line *Line4 = find<ui::Line>(window, "Line4");
};

inline MainControls controls(QWidget *window)
{
    return MainControls(window);
}

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes every modal message box shortly after it opens, remembering what it
// said. The handler that opened it then goes on as after a click on OK.
class MessageWatcher : public QObject
{
public:
    MessageWatcher()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.append({box->windowTitle(), box->text(), box->icon()});
            QTest::keyClick(box, Qt::Key_Return);
        });
        m_timer.start();
    }
    QList<SeenMessage> seen;

private:
    QTimer m_timer;
};

// The widget that takes typed keys now: an editable list's inner field counts
// as the list.
inline QWidget *focused()
{
    QWidget *w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox *>(w->parentWidget()))
        return w->parentWidget();
    return w;
}

inline void type(const QString &keys)
{
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

// Runs a tool (poppler-utils reading a saved sheet) and returns what it
// printed, or why it failed.
inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, tool.readAllStandardError());
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Types text in any script, as a keyboard layout of that script types it.
inline void typeAny(QWidget *field, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Starts the main window as the program does, and waits until it is active.
inline void startMainWindow(QPointer<ui::frmQuorrelEstimator> &main)
{
    main = &ui::mainForm();
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main));
}

// Starts the main window and sets the worked example's time of discovery,
// 12:00:00 AM, by keyboard.
inline void startWithMidnightSet(QPointer<ui::frmQuorrelEstimator> &main)
{
    startMainWindow(main);
    for (const char *pick : {"12", "00", "00", "AM"}) {
        QTest::keyClicks(focused(), QString::fromLatin1(pick));
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    QTest::mouseClick(controls(main).cmdSetTime, Qt::LeftButton);
}

// Types the four entries over what the boxes hold and presses Calculate.
inline void enterAndCalculate(ui::frmQuorrelEstimator *main, const QStringList &entries)
{
    ui::TextBox *boxes[] = {controls(main).txtAmbRoomTemp, controls(main).txtCorpseTemp,
                            controls(main).txtCorpseTempTwo, controls(main).txtCorpseTime};
    for (int i = 0; i < 4; ++i) {
        boxes[i]->setFocus();
        boxes[i]->selectAll();
        QTest::keyClicks(boxes[i], entries[i]);
    }
    QTest::mouseClick(controls(main).cmdCalculate, Qt::LeftButton);
}

// Opens Henssge's window from the main window by keyboard (Ctrl+H) and
// estimates the case there for a body of this mass, naked in still air;
// false where the window did not open.
inline bool estimateHenssge(ui::frmQuorrelEstimator *main, const QString &mass)
{
    main->activateWindow();
    if (!QTest::qWaitForWindowActive(main))
        return false;
    QTest::keyClick(controls(main).txtAmbRoomTemp, Qt::Key_H, Qt::ControlModifier);
    ui::frmHenssge *henssge = ui::loadedHenssgeForm();
    if (!henssge || !QTest::qWaitForWindowActive(henssge))
        return false;
    henssge->txtMass->setFocus();
    henssge->txtMass->selectAll();
    QTest::keyClicks(henssge->txtMass, mass);
    QTest::keyClick(henssge->txtMass, Qt::Key_Return);
    return true;
}

// Unloads the main window, which unloads every other loaded window first,
// deletes them all and checks that none is left, so that every test starts
// from a program with no window loaded.
inline void unloadAllWindows(QPointer<ui::frmQuorrelEstimator> &main)
{
    if (main)
        main->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isNull());
    QCOMPARE(ui::LoadedForms::instance().count(), 0);
}

// What the window tests share: a main window started afresh for each test,
// in the C locale with its messages watched, and every window unloaded after
// it. Each test's init() and cleanup() call start() and finish().
class WindowFixture
{
protected:
    QPointer<ui::frmQuorrelEstimator> form;
    MessageWatcher *messages = nullptr;

    void start(bool midnightSet = false)
    {
        QLocale::setDefault(QLocale::c());
        messages = new MessageWatcher;
        if (midnightSet)
            startWithMidnightSet(form);
        else
            startMainWindow(form);
    }
    void finish()
    {
        // A unit chosen in a test is no default for the next.
        QSettings().remove(QStringLiteral("temperaturesInCelsius"));
        delete messages;
        messages = nullptr;
        unloadAllWindows(form);
    }
};

} // namespace quorrel::test
