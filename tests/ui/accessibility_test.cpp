#include "application.h"
#include "form.h"
#include "forms.h"
#include "frmabout.h"
#include "frmquorrelestimator.h"
#include "frmtemps.h"
#include "uitest.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "widgets.h"

using namespace quorrel::ui;
using namespace quorrel::test;

// What a screen reader is told about each control: its role and its name.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    static QWidget *find(const QString &window, const QString &name)
    {
        Form *form = window == "main"        ? static_cast<Form *>(&mainForm())
                     : window == "converter" ? static_cast<Form *>(&tempsForm())
                                             : static_cast<Form *>(&aboutForm());
        form->show();
        if (name.endsWith(".edit"))
            return form->findChild<QComboBox *>(name.chopped(5))->lineEdit();
        return form->findChild<QWidget *>(name);
    }

private slots:
    void initTestCase() { setUpApplication(); } // the program's own style and font

    void cleanup()
    {
        // Opened here in any order: the converter may be loaded before the main window.
        mainForm().unload();
        tempsForm().unload();
        aboutForm().unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The entry boxes, Set Time and the converter's box are checked by ear, in
    // the Orca test; these are the controls it does not reach.
    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        const int text = QAccessible::EditableText, button = QAccessible::Button;
        const auto row = [](const char *window, const char *control, int role, QString name) {
            QTest::newRow(control) << QString(window) << QString(control) << role << name;
        };
        row("main", "txtTimeOfDiscovery", text, "Time the Corpse was found");
        row("main", "cboHours.edit", text, "Hour");
        row("main", "cboMinutes.edit", text, "Minute");
        row("main", "cboSeconds.edit", text, "Second");
        row("main", "cboAMPM.edit", text, "AM/PM");
        row("main", "cmdCalculate", button, "Calculate");
        row("main", "cmdClear", button, "Clear");
        row("main", "cmdLaunchTempConvert", button, "Degree Converter");
        row("main", "cmdExit", button, "Exit");
        row("main", "cmdAbout", button, "About");
        row("converter", "cboDegrees.edit", text, "Scale of the typed temperature");
        row("converter", "cmdCloseTempsForm", button, "Close");
        row("about", "txtDescription", text, "Description");
        row("about", "cmdOK", button, "OK");
        row("about", "cmdEmail", button, "Email Me");
    }
    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QWidget *widget = find(window, control);
        QVERIFY(widget);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    void windowsAreReadAsWindows()
    {
        const auto roleOf = [](QWidget *w) {
            return QAccessible::queryAccessibleInterface(w)->role();
        };
        mainForm().show();
        tempsForm().show();
        aboutForm().show();
        QCOMPARE(roleOf(&mainForm()), QAccessible::Window);
        QCOMPARE(roleOf(&tempsForm()), QAccessible::Window);
        QCOMPARE(roleOf(&aboutForm()), QAccessible::Dialog);
        QCOMPARE(QAccessible::queryAccessibleInterface(&mainForm())->text(QAccessible::Name),
                 "Quorrel Estimator - Halbrook");
    }

    void labelsAreTheBoxesLabels()
    {
        frmQuorrelEstimator &form = mainForm();
        form.show();
        QAccessibleInterface *box =
            QAccessible::queryAccessibleInterface(controls(&form).txtCorpseTemp);
        const auto labels = box->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->object(), controls(&form).lblCorpseTemp);
        QCOMPARE(controls(&form).lblCorpseTemp->text().count('&'), 0);
    }

    void messagesAreReadAsDialogs()
    {
        frmQuorrelEstimator &form = mainForm();
        form.show();
        int role = -1;
        QString name;
        QTimer::singleShot(0, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
            role = iface->role();
            name = iface->text(QAccessible::Name);
            box->close();
        });
        controls(&form).cmdSetTime->click();
        QVERIFY(role == QAccessible::Dialog || role == QAccessible::AlertMessage);
        QCOMPARE(name, "Incomplete Selection");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
