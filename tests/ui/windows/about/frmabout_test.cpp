#include "application.h"
#include "form.h"
#include "forms.h"
#include "frmabout.h"
#include "frmquorrelestimator.h"
#include "frmtemps.h"
#include "uitest.h"
#include "widgets.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <functional>

using namespace quorrel::ui;
using namespace quorrel::test;

// Stands in for the desktop's mail program.
class MailCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void handle(const QUrl &url) { opened << url; }
};

class AboutTest : public QObject
{
    Q_OBJECT

    QPointer<frmQuorrelEstimator> main;
    MailCatcher mail;

    // Presses About and runs the check while the modal window is up; closes it
    // afterwards if the check left it open. Returns once About has closed.
    void withAbout(const std::function<void(frmAbout *)> &check)
    {
        bool ran = false;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, this, [&] {
            QPointer<frmAbout> about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            if (ran || !about || !about->isVisible())
                return;
            ran = true;
            about->activateWindow();
            if (QTest::qWaitForWindowActive(about))
                check(about);
            if (about && about->isVisible())
                about->close();
        });
        poll.start();
        QTest::mouseClick(controls(main).cmdAbout, Qt::LeftButton);
        QVERIFY(ran);
        QCOMPARE(LoadedForms::instance().count(), 1 + (tempsForm().isLoaded() ? 1 : 0));
    }

private slots:
    void initTestCase()
    {
        setUpApplication(); // the program's own style and font
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "handle");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }

    void init()
    {
        mail.opened.clear();
        startMainWindow(main);
    }

    void cleanup() { unloadAllWindows(main); }

    void showsTitleVersionAndDescription()
    {
        withAbout([](frmAbout *about) {
            QCOMPARE(about->windowTitle(), "Quorrel Estimator - Halbrook");
            QCOMPARE(about->size(), QSize(384, 291));
            QCOMPARE(about->lblTitle->text(), "Quorrel");
            QCOMPARE(about->lblVersion->text(), "Version 1.0.0");
            QCOMPARE(about->focusWidget(), about->cmdOK);
            QCOMPARE(about->txtDescription->font().family(), "Arial");
            QCOMPARE(about->txtDescription->font().pointSize(), 8);
            QCOMPARE(about->lblVersion->font(), windowFont());

            const QString text = about->txtDescription->toPlainText();
            const QString head = "Newton's Law of Cooling\n" + QString(31, '-') + "\n";
            QVERIFY(text.startsWith(head + "From experimental observations"));
            QVERIFY(!text.contains(QString(32, '-')));
            const QStringList blocks = text.split("\n\n");
            QCOMPARE(blocks.size(), 5);
            QVERIFY(blocks[0].endsWith("Newton's law of cooling."));
            QVERIFY(blocks[1].startsWith("Example:"));
            for (const char *fact : {"midnight", "80F", "60F", "75F"})
                QVERIFY2(blocks[1].contains(fact), fact);
            for (const char *step : {"Set Time", "Calculate"})
                QVERIFY2(blocks[2].contains(step), step);
            for (const char *number : {"12:00 AM", " 60 ", "80 and 75", " 2 ", "7:25:44 PM"})
                QVERIFY2(blocks[3].contains(number), number);
            QVERIFY(blocks[4].startsWith("https://"));
            QVERIFY(!blocks[4].contains('\n'));
            QVERIFY(!text.endsWith('\n'));
        });
    }

    void closesByEveryWayButEnterOnEmailMe_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter in the description")
            << "txtDescription" << int(Qt::Key_Return) << true;
        QTest::newRow("Escape in the description")
            << "txtDescription" << int(Qt::Key_Escape) << true;
        QTest::newRow("Escape on Email Me") << "cmdEmail" << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter on Email Me opens mail") << "cmdEmail" << int(Qt::Key_Return) << false;
    }
    void closesByEveryWayButEnterOnEmailMe()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        bool stillOpen = false;
        withAbout([&](frmAbout *about) {
            QWidget *target = about->findChild<QWidget *>(focus);
            target->setFocus(Qt::TabFocusReason);
            // A closed About is released at the next turn of the event loop.
            QPointer<frmAbout> open = about;
            QTest::keyClick(target, Qt::Key(key));
            QCoreApplication::processEvents();
            stillOpen = open && open->isVisible();
        });
        QCOMPARE(stillOpen, !closes);
        QCOMPARE(mail.opened.size(), closes ? 0 : 1);
    }

    void emailMeHandsTheMailLinkToTheDesktop()
    {
        withAbout([&](frmAbout *about) {
            QTest::mouseClick(about->cmdEmail, Qt::LeftButton);
            QCOMPARE(mail.opened, QList<QUrl>{QUrl(frmAbout::kMailLink)});
            QVERIFY(about->isVisible());
        });
        QVERIFY(frmAbout::kMailLink.startsWith("mailto:"));
    }

    void everyOpeningIsFresh()
    {
        QString original;
        withAbout([&](frmAbout *about) {
            original = about->txtDescription->toPlainText();
            about->txtDescription->setFocus();
            QTest::keyClicks(about->txtDescription, "scribble");
            QVERIFY(about->txtDescription->toPlainText() != original);
        });
        withAbout(
            [&](frmAbout *about) { QCOMPARE(about->txtDescription->toPlainText(), original); });
    }

    void blocksTheOtherWindows()
    {
        QTest::mouseClick(controls(main).cmdLaunchTempConvert, Qt::LeftButton);
        frmTemps *temps = &tempsForm();
        controls(main).txtAmbRoomTemp->setText("60");
        withAbout([&](frmAbout *about) {
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            // Through the window system, where modality is enforced.
            const auto clickOn = [](QWidget *button) {
                QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, {},
                                  button->mapTo(button->window(), button->rect().center()));
            };
            clickOn(controls(main).cmdClear);
            clickOn(temps->cmdCloseTempsForm);
            QCoreApplication::processEvents();
            QVERIFY(about->isVisible());
        });
        QCOMPARE(controls(main).txtAmbRoomTemp->text(), "60");
        QVERIFY(temps->isVisible());
        // The same click reaches the main window once About is closed.
        QTest::mouseClick(
            main->windowHandle(), Qt::LeftButton, {},
            controls(main).cmdClear->mapTo(main, controls(main).cmdClear->rect().center()));
        QTRY_COMPARE(controls(main).txtAmbRoomTemp->text(), "");
    }
};

QTEST_MAIN(AboutTest)
#include "frmabout_test.moc"
