#pragma once

// Helpers shared by the window tests: they act as a person does, through the
// keyboard and the mouse, and read modal message boxes as they appear.

#include "form.h"
#include "forms.h"
#include "frmhenssge.h"
#include "frmquorrelestimator.h"
#include "widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace quorrel::test
{

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
    QTest::mouseClick(main->cmdSetTime, Qt::LeftButton);
}

// Types the four entries over what the boxes hold and presses Calculate.
inline void enterAndCalculate(ui::frmQuorrelEstimator *main, const QStringList &entries)
{
    ui::TextBox *boxes[] = {main->txtAmbRoomTemp, main->txtCorpseTemp, main->txtCorpseTempTwo,
                            main->txtCorpseTime};
    for (int i = 0; i < 4; ++i) {
        boxes[i]->setFocus();
        boxes[i]->selectAll();
        QTest::keyClicks(boxes[i], entries[i]);
    }
    QTest::mouseClick(main->cmdCalculate, Qt::LeftButton);
}

// Opens Henssge's window from the main window by keyboard (Ctrl+H) and
// estimates the case there for a body of this mass, naked in still air;
// false where the window did not open.
inline bool estimateHenssge(ui::frmQuorrelEstimator *main, const QString &mass)
{
    main->activateWindow();
    if (!QTest::qWaitForWindowActive(main))
        return false;
    QTest::keyClick(main->txtAmbRoomTemp, Qt::Key_H, Qt::ControlModifier);
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

} // namespace quorrel::test
