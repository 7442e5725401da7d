// A case kept as a file through the windows, as a person does it: typed,
// estimated, saved with the File menu, opened in a fresh main window, and
// read back from every window; changes to a case with a file are never lost
// without a question, and a quick estimate never asks.
#include "application.h"
#include "casefile.h"
#include "caseholder.h"
#include "curveplot.h"
#include "frmbrain.h"
#include "frmcoolingcurve.h"
#include "frmsigns.h"
#include "signstext.h"
#include "uitest.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>

using namespace quorrel;
using namespace quorrel::ui;
using namespace quorrel::test;

namespace
{

// What a person reads of the case in every window.
struct Shown {
    QStringList boxes;
    QString timeFound;
    QString timeOfDeath;
    QString sentence;
    QString mass;
    QString henssgeResult;
};

Shown shown(frmQuorrelEstimator *main)
{
    const MainControls c = controls(main);
    Shown seen{{c.txtAmbRoomTemp->text(), c.txtCorpseTemp->text(), c.txtCorpseTempTwo->text(),
                c.txtCorpseTime->text()},
               c.txtTimeOfDiscovery->isHidden() ? QString() : c.txtTimeOfDiscovery->text(),
               c.txtTimeDead->text(),
               c.txtTimeDead->toolTip(),
               QString(),
               QString()};
    if (frmHenssge *henssge = loadedHenssgeForm()) {
        seen.mass = henssge->txtMass->text();
        seen.henssgeResult =
            henssge->lblResult->isHidden() ? QString() : henssge->lblResult->text();
    }
    return seen;
}

// What a person reads in the Henssge and signs windows: their boxes, their
// picks and their results.
QStringList toolWindowsShown()
{
    QStringList seen;
    if (frmHenssge *h = loadedHenssgeForm())
        seen << h->txtMass->text() << h->cboMassUnit->currentText()
             << h->cboCondition->currentText() << h->txtFactor->text()
             << (h->chkUncertain->isChecked() ? "uncertain by" : "exact")
             << h->txtRoomUncertainty->text() << h->txtMassUncertainty->text()
             << h->txtFactorUncertainty->text()
             << (h->lblResult->isHidden() ? QString() : h->lblResult->text());
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *s = qobject_cast<frmSigns *>(window)) {
            seen << s->txtExamined->text() << s->cboExaminedDay->currentText()
                 << s->txtLastSeen->text() << s->cboLastSeenDay->currentText();
            for (QComboBox *pick : s->cboSigns)
                if (pick->currentIndex() > 0)
                    seen << pick->accessibleName();
            seen << s->lblResult->text();
        }
    return seen;
}

frmSigns *signsWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *signs = qobject_cast<frmSigns *>(window); signs && signs->isVisible())
            return signs;
    return nullptr;
}

} // namespace

class CaseFileWindowsTest : public QObject
{
    Q_OBJECT

    QPointer<frmQuorrelEstimator> main;
    QTemporaryDir folder;
    // A home without a Documents folder.
    QTemporaryDir home;
    QList<SeenMessage> seen;
    // The button a question is answered with.
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QTimer watcher;

    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }

    // File > Save Case As, answered with a path; the path it suggested.
    // The name is typed into the dialog's box, as a person gives it:
    // selectFile() looks the path up in the dialog's file model, which on
    // Windows drops trailing spaces and dots and so takes "folder/   " for
    // the folder itself, putting the folder's own name in the box.
    QString saveAs(const QString &file)
    {
        QString suggested;
        QTimer dialogs;
        dialogs.setInterval(5);
        connect(&dialogs, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            suggested = dialog->selectedFiles().value(0);
            const QFileInfo chosen(file);
            dialog->setDirectory(chosen.absolutePath());
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->selectAll();
            typeText(name, chosen.fileName());
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        dialogs.start();
        controls(main).mnuSaveCaseAs->trigger();
        return suggested;
    }

    void restart(const QLocale &locale)
    {
        unloadAllWindows(main);
        QLocale::setDefault(locale);
        startMainWindow(main);
    }

    // The worked example's time, the entries, and Henssge's estimate where a
    // mass is given.
    void typeCase(const QStringList &entries, const QString &mass)
    {
        startWithMidnightSet(main);
        const MainControls c = controls(main);
        if (entries.value(4) == QStringLiteral("\u00B0C")) // typed in °C
            c.mnuCelsius->trigger();
        TextBox *boxes[] = {c.txtAmbRoomTemp, c.txtCorpseTemp, c.txtCorpseTempTwo, c.txtCorpseTime};
        for (int i = 0; i < 4; ++i) {
            boxes[i]->setFocus();
            boxes[i]->selectAll();
            typeText(boxes[i], entries[i]);
        }
        QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
        if (mass.isEmpty())
            return;
        QVERIFY(estimateHenssge(main, QString()));
        frmHenssge *henssge = loadedHenssgeForm();
        henssge->txtMass->setFocus();
        henssge->txtMass->selectAll();
        typeText(henssge->txtMass, mass);
        QTest::keyClick(henssge->txtMass, Qt::Key_Return);
    }

    // Keys for ASCII; other scripts come as an input method gives them,
    // which QTest cannot type.
    static void typeText(QLineEdit *box, const QString &text)
    {
        bool ascii = true;
        for (const QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(box, text);
        else
            box->insert(text);
    }

    QString title() const { return main->windowTitle(); }

    // A shortcut pressed in the main window once it has the keyboard again,
    // as after a dialog.
    void pressInMain(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(controls(main).txtAmbRoomTemp, key, modifiers);
    }

private slots:
    void initTestCase()
    {
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        setUpApplication();
        QVERIFY(folder.isValid());
        watcher.setInterval(5);
        connect(&watcher, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.append({box->windowTitle(), box->text(), box->icon()});
            QAbstractButton *button = box->button(answer);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (!button)
                button = box->defaultButton();
            QTest::mouseClick(button, Qt::LeftButton);
        });
        watcher.start();
    }
    void init()
    {
        seen.clear();
        answer = QMessageBox::Ok;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup()
    {
        unloadAllWindows(main);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QLocale>("typedIn");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<QLocale>("openedIn");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QString>("openedMass");
        // Typed after Calculate, without calculating again: the hour set
        // with Set Time, and the boxes.
        QTest::addColumn<QString>("hourAfter");
        QTest::addColumn<QStringList>("boxesAfter");
        // The brain's temperature estimated in its window; empty for none.
        QTest::addColumn<QString>("brain");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
        const QStringList worked{"60", "80", "75", "2"};
        QTest::newRow("worked example with Henssge")
            << english << worked << "70" << english << worked << "70" << QString() << QStringList()
            << QString();
        QTest::newRow("one reading with Henssge only")
            << english << QStringList{"60", "80", "", ""} << "70" << english
            << QStringList{"60", "80", "", ""} << "70" << QString() << QStringList() << QString();
        QTest::newRow("decimals typed in German open in English")
            << german << QStringList{"60,5", "80,2", "75,1", "2,5"} << "70,5" << english
            << QStringList{"60.5", "80.2", "75.1", "2.5"} << "70.5" << QString() << QStringList()
            << QString();
        QTest::newRow("Arabic-Indic decimals open in English")
            << arabic
            << QStringList{"\u0666\u0660\u066B\u0665", "\u0668\u0660\u066B\u0662",
                           "\u0667\u0665\u066B\u0661", "\u0662"}
            << "\u0667\u0660" << english << QStringList{"60.5", "80.2", "75.1", "2"} << "70"
            << QString() << QStringList() << QString();
        const QString huge = QStringLiteral("1") + QString(301, '0');
        QTest::newRow("a 302-digit entry stays whole")
            << english << QStringList{huge, "80", "75", "2"} << QString() << english
            << QStringList{huge, "80", "75", "2"} << QString() << QString() << QStringList()
            << QString();
        // The screen is what the file keeps: the estimates made from what
        // Calculate read, the boxes and the time as they were changed after.
        QTest::newRow("a time set after Calculate opens beside the estimate it did not make")
            << english << worked << "70" << english << worked << "70"
            << "03" << QStringList() << QString();
        QTest::newRow("a box changed after Calculate opens as typed, the estimate as made")
            << english << worked << "70" << english << QStringList{"60", "80", "75", "25"} << "70"
            << QString() << QStringList{"60", "80", "75", "25"} << QString();
        QTest::newRow("typed in \u00B0C, opened in \u00B0C where \u00B0F is the default")
            << english << QStringList{"15", "27", "24.5", "2", "\u00B0C"} << "70" << english
            << QStringList{"15", "27", "24.5", "2"} << "70" << QString() << QStringList()
            << QString();
        QTest::newRow("switched to \u00B0C after the estimates, rounded, opens as it was")
            << english << QStringList{"60", "80", "75", "2", "then \u00B0C"} << "70" << english
            << QStringList{"15.5556", "26.6667", "23.8889", "2"} << "70" << QString()
            << QStringList() << QString();
        QTest::newRow("a room changed after the brain's estimate opens as typed, as made")
            << english << QStringList{"60", "", "", ""} << QString() << english
            << QStringList{"65", "", "", ""} << QString() << QString() << QStringList{"65"} << "80";
    }

    void roundTrip()
    {
        QFETCH(QLocale, typedIn);
        QFETCH(QStringList, entries);
        QFETCH(QString, mass);
        QFETCH(QLocale, openedIn);
        QFETCH(QStringList, opened);
        QFETCH(QString, openedMass);
        QFETCH(QString, hourAfter);
        QFETCH(QStringList, boxesAfter);
        QFETCH(QString, brain);
        QLocale::setDefault(typedIn);
        const bool celsius = entries.size() > 4;
        typeCase(entries, mass);
        QString brainBefore;
        if (!brain.isEmpty()) {
            pressInMain(Qt::Key_B, Qt::ControlModifier);
            QVERIFY(QTest::qWaitForWindowActive(&brainForm()));
            typeText(brainForm().txtBrain, brain);
            QTest::keyClick(brainForm().txtBrain, Qt::Key_Return);
            brainBefore = brainForm().lblResult->text();
            QVERIFY(brainBefore.startsWith(QStringLiteral("About")));
        }
        if (entries.value(4) == QStringLiteral("then \u00B0C"))
            controls(main).mnuCelsius->trigger();
        if (!hourAfter.isEmpty()) {
            const MainControls c = controls(main);
            c.cboHours->setFocus();
            c.cboHours->lineEdit()->selectAll();
            QTest::keyClicks(c.cboHours, hourAfter);
            QTest::mouseClick(c.cmdSetTime, Qt::LeftButton);
        }
        const MainControls c = controls(main);
        TextBox *boxes[] = {c.txtAmbRoomTemp, c.txtCorpseTemp, c.txtCorpseTempTwo, c.txtCorpseTime};
        for (int i = 0; i < boxesAfter.size(); ++i) {
            boxes[i]->selectAll();
            typeText(boxes[i], boxesAfter[i]);
        }
        const Shown before = shown(main);
        QFile::remove(path("round.quorrel"));
        saveAs(path("round.quorrel"));
        QCOMPARE(title(), "round.quorrel[*] - Quorrel Estimator - Halbrook");
        QVERIFY(!main->isWindowModified());
        const int messagesWhenTyped = seen.size();

        QSettings().remove(QStringLiteral("temperaturesInCelsius"));
        restart(openedIn);
        QVERIFY(main->openCase(path("round.quorrel")));
        QCOMPARE(controls(main).lblRoomTemp->text().endsWith(QStringLiteral("\u00B0C:")), celsius);
        QCOMPARE(seen.size(), messagesWhenTyped); // nothing changed, nothing said
        QVERIFY(!main->isWindowModified());
        QCOMPARE(title(), "round.quorrel[*] - Quorrel Estimator - Halbrook");
        // The Henssge window, opened now, shows the case's choice.
        if (!mass.isEmpty())
            pressInMain(Qt::Key_H, Qt::ControlModifier);
        if (!brain.isEmpty()) {
            pressInMain(Qt::Key_B, Qt::ControlModifier);
            QCOMPARE(brainForm().lblResult->text(), brainBefore);
        }
        const Shown after = shown(main);
        QCOMPARE(after.boxes, opened);
        QCOMPARE(after.timeFound, before.timeFound);
        QCOMPARE(after.timeOfDeath, before.timeOfDeath);
        QCOMPARE(after.mass, openedMass);
        QCOMPARE(after.henssgeResult.isEmpty(), before.henssgeResult.isEmpty());
        if (typedIn == openedIn) {
            QCOMPARE(after.sentence, before.sentence);
            QCOMPARE(after.henssgeResult, before.henssgeResult);
        }
    }

    // The Henssge window's ± and the signs of death, combined or only
    // typed, come back as they were left.
    void toolWindowsRoundTrip_data()
    {
        QTest::addColumn<QLocale>("typedIn");
        QTest::addColumn<bool>("estimated");
        QTest::addColumn<QStringList>("uncertainBy");
        // Ticked off again after the ± were typed.
        QTest::addColumn<bool>("thenExact");
        QTest::addColumn<QLocale>("openedIn");
        QTest::addColumn<QStringList>("openedUncertainBy");
        // Typed in the German program, its condition the third.
        QTest::addColumn<bool>("inGerman");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("estimated and combined, entries uncertain")
            << english << true << QStringList{"1.8", "3", "0.1"} << false << english
            << QStringList{"1.8", "3", "0.1"} << false;
        QTest::newRow("typed but never estimated nor combined")
            << english << false << QStringList{"2", "5", "0.2"} << false << english
            << QStringList{"2", "5", "0.2"} << false;
        QTest::newRow("typed in German open in English, findings and condition in English")
            << german << true << QStringList{"1,5", "2,5", "0,15"} << false << english
            << QStringList{"1.5", "2.5", "0.15"} << true;
        QTest::newRow("uncertainties typed, then the entries taken as exact")
            << german << true << QStringList{"1,5", "2,5", "0,15"} << true << english
            << QStringList{"1.5", "2.5", "0.15"} << false;
    }
    void toolWindowsRoundTrip()
    {
        QFETCH(QLocale, typedIn);
        QFETCH(bool, estimated);
        QFETCH(QStringList, uncertainBy);
        QFETCH(bool, thenExact);
        QFETCH(QLocale, openedIn);
        QFETCH(QStringList, openedUncertainBy);
        QFETCH(bool, inGerman);
        QTranslator translator;
        if (inGerman) {
            QVERIFY(translator.load(QStringLiteral("quorrel_de"),
                                    QStringLiteral(QUORREL_TRANSLATIONS_DIR)));
            QCoreApplication::installTranslator(&translator);
        }
        QLocale::setDefault(typedIn);
        typeCase({"60", "80", "75", "2"}, QString());
        pressInMain(Qt::Key_H, Qt::ControlModifier);
        frmHenssge *henssge = loadedHenssgeForm();
        QVERIFY(henssge && QTest::qWaitForWindowActive(henssge));
        henssge->txtMass->setFocus();
        QTest::keyClicks(henssge->txtMass, "70");
        if (inGerman)
            henssge->cboCondition->setCurrentIndex(2);
        QTest::mouseClick(henssge->chkUncertain, Qt::LeftButton);
        TextBox *pm[] = {henssge->txtRoomUncertainty, henssge->txtMassUncertainty,
                         henssge->txtFactorUncertainty};
        for (int i = 0; i < 3; ++i) {
            pm[i]->setFocus();
            pm[i]->selectAll();
            typeText(pm[i], uncertainBy[i]);
        }
        if (thenExact)
            QTest::mouseClick(henssge->chkUncertain, Qt::LeftButton);
        if (estimated)
            QTest::mouseClick(henssge->cmdEstimate, Qt::LeftButton);
        pressInMain(Qt::Key_D, Qt::ControlModifier);
        frmSigns *signs = signsWindow();
        QVERIFY(signs && QTest::qWaitForWindowActive(signs));
        signs->txtLastSeen->setFocus();
        QTest::keyClicks(signs->txtLastSeen, "11:30 AM");
        signs->cboLastSeenDay->setFocus();
        QTest::keyClick(signs->cboLastSeenDay, Qt::Key_Up);
        // Rigor at its maximum, and the eyelid's reaction at its third pick.
        for (const auto &[pick, steps] : {std::pair{7, 1}, std::pair{13, 4}}) {
            signs->cboSigns.at(pick)->setFocus();
            for (int i = 0; i < steps; ++i)
                QTest::keyClick(signs->cboSigns.at(pick), Qt::Key_Down);
        }
        if (estimated)
            QTest::mouseClick(signs->cmdCombine, Qt::LeftButton);
        QVERIFY2(seen.isEmpty(), qPrintable(seen.value(0).text));
        const QStringList before = toolWindowsShown();
        QFile::remove(path("tools.quorrel"));
        saveAs(path("tools.quorrel"));
        QCoreApplication::removeTranslator(&translator);

        restart(openedIn);
        QVERIFY(main->openCase(path("tools.quorrel")));
        QVERIFY2(seen.isEmpty(), qPrintable(seen.value(0).text));
        QVERIFY(!main->isWindowModified());
        pressInMain(Qt::Key_H, Qt::ControlModifier);
        pressInMain(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(signsWindow());
        const QStringList after = toolWindowsShown();
        QVERIFY(!main->isWindowModified());
        QCOMPARE(after.mid(5, 3), openedUncertainBy);
        QCOMPARE(after.at(4), thenExact ? "exact" : "uncertain by");
        // Estimated as exact, the sentence gives no prudent interval.
        QCOMPARE(after.at(8).contains(QStringLiteral("prudent")), estimated && !thenExact);
        if (typedIn == openedIn)
            QCOMPARE(after, before);
        QCOMPARE(after.at(8).isEmpty(), !estimated);
        QCOMPARE(after.contains(QStringLiteral("Rigor at its maximum: Yes: at least 2 h")), true);
        QCOMPARE(before.contains(QStringLiteral("Rigor at its maximum: Yes: at least 2 h")),
                 !inGerman);
        if (inGerman) {
            QCOMPARE(after.at(2), loadedHenssgeForm()->cboCondition->itemText(2));
            QCOMPARE_NE(before.at(2), after.at(2));
        }
        QCOMPARE(after.last().startsWith(QStringLiteral("Died between")), estimated);
        // A new case empties them again, the ± too.
        pressInMain(Qt::Key_N, Qt::ControlModifier);
        const QStringList emptied = toolWindowsShown();
        QCOMPARE(emptied.mid(0, 1), QStringList{QString()});
        QCOMPARE(emptied.mid(4, 4), (QStringList{"exact", QString(), QString(), QString()}));
        QVERIFY(!toolWindowsShown().contains(
            QStringLiteral("Rigor at its maximum: Yes: at least 2 h")));
    }

    // A change the user makes in a tool window is a change to the case, by
    // list, tick box or key alike; showing the window is none.
    void toolWindowEditsMarkTheCase_data()
    {
        QTest::addColumn<QString>("edit");
        for (const char *edit : {"a sign picked", "a day picked", "the mass unit picked",
                                 "uncertain ticked", "a mass typed"})
            QTest::newRow(edit) << QString::fromLatin1(edit);
    }
    void toolWindowEditsMarkTheCase()
    {
        QFETCH(QString, edit);
        typeCase({"60", "80", "75", "2"}, "70");
        QFile::remove(path("marked.quorrel"));
        saveAs(path("marked.quorrel"));
        frmHenssge *henssge = loadedHenssgeForm();
        pressInMain(Qt::Key_D, Qt::ControlModifier);
        frmSigns *signs = signsWindow();
        QVERIFY(henssge && signs);
        QVERIFY(!main->isWindowModified());
        if (edit == "a sign picked") {
            signs->cboSigns.at(7)->setFocus();
            QTest::keyClick(signs->cboSigns.at(7), Qt::Key_Down);
        } else if (edit == "a day picked") {
            signs->cboLastSeenDay->setFocus();
            QTest::keyClick(signs->cboLastSeenDay, Qt::Key_Up);
        } else if (edit == "the mass unit picked") {
            henssge->cboMassUnit->setFocus();
            QTest::keyClick(henssge->cboMassUnit, Qt::Key_Down);
        } else if (edit == "uncertain ticked") {
            QTest::mouseClick(henssge->chkUncertain, Qt::LeftButton);
        } else {
            henssge->txtMass->setFocus();
            QTest::keyClicks(henssge->txtMass, "5");
        }
        QVERIFY(main->isWindowModified());
    }

    // A ± left empty was taken as none: opened again it stays empty, not
    // filled with the ± offered.
    void emptyUncertaintyStaysEmpty()
    {
        typeCase({"60", "80", "75", "2"}, "70");
        frmHenssge *henssge = loadedHenssgeForm();
        QTest::mouseClick(henssge->chkUncertain, Qt::LeftButton);
        henssge->txtFactorUncertainty->clear();
        QTest::mouseClick(henssge->cmdEstimate, Qt::LeftButton);
        const QString result = henssge->lblResult->text();
        QFile::remove(path("empty.quorrel"));
        saveAs(path("empty.quorrel"));
        restart(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(main->openCase(path("empty.quorrel")));
        pressInMain(Qt::Key_H, Qt::ControlModifier);
        henssge = loadedHenssgeForm();
        QCOMPARE(henssge->txtFactorUncertainty->text(), QString());
        QCOMPARE(henssge->txtRoomUncertainty->text(), "1.8");
        QCOMPARE(henssge->lblResult->text(), result);
        QTest::mouseClick(henssge->cmdEstimate, Qt::LeftButton);
        QCOMPARE(henssge->lblResult->text(), result);
    }

    // A file written by hand may name a day the signs window's lists do not
    // offer: it is shown as that day, and combined as it.
    void signsWindowShowsAnyDayAFileGives()
    {
        QFile file(path("days.quorrel"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(R"({"caseFormat": "quorrel-case", "caseFormatVersion": 1,
            "entries": {"timeFound": "12:00:00 AM"},
            "signs": {"examinedAt": "12:00:00 AM", "examinedDay": 20,
                      "lastSeenAt": "9:00:00 AM", "lastSeenDay": -12}})");
        file.close();
        startMainWindow(main);
        QVERIFY(main->openCase(file.fileName()));
        pressInMain(Qt::Key_D, Qt::ControlModifier);
        frmSigns *signs = signsWindow();
        QVERIFY(signs);
        QCOMPARE(signs->cboExaminedDay->currentText(), dayChoice(20));
        QCOMPARE(signs->cboLastSeenDay->currentText(), dayChoice(-12));
        QVERIFY2(signs->lblResult->text().startsWith("Died between 9:00 AM 12 days before"),
                 qPrintable(signs->lblResult->text()));
        QVERIFY(seen.isEmpty());
    }

    // An open Henssge window takes the opened case's choice, and a new
    // case's none.
    void openHenssgeWindowFollowsTheCase()
    {
        typeCase({"60", "80", "75", "2"}, "70");
        QFile::remove(path("henssge.quorrel"));
        saveAs(path("henssge.quorrel"));
        frmHenssge *henssge = loadedHenssgeForm();
        QVERIFY(henssge);
        controls(main).mnuNewCase->trigger();
        QCOMPARE(henssge->txtMass->text(), QString());
        QVERIFY(henssge->lblResult->isHidden());
        QCOMPARE(title(), "Quorrel Estimator - Halbrook");
        QVERIFY(main->openCase(path("henssge.quorrel")));
        QCOMPARE(henssge->txtMass->text(), "70");
        QVERIFY(!henssge->lblResult->isHidden());
    }

    void badFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        QTest::newRow("not JSON")
            << QByteArray("hello")
            << "bad.quorrel is not a Quorrel case: it is not JSON (line 1, "
               "column 1: illegal value).\n\nThe case on screen is as it was.";
        QTest::newRow("newer version")
            << QByteArray("{\"caseFormat\": \"quorrel-case\", \"caseFormatVersion\": 7, "
                          "\"writtenBy\": \"Quorrel 9.0\"}")
            << "bad.quorrel was saved by Quorrel 9.0 in case format 7; this Quorrel reads case "
               "format 3 and earlier. Open it with a later Quorrel.\n\nThe case on screen is as "
               "it was.";
    }
    void badFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        typeCase({"60", "80", "75", "2"}, QString());
        QFile::remove(path("good.quorrel"));
        saveAs(path("good.quorrel"));
        QTest::keyClicks(controls(main).txtCorpseTime, "5");
        const Shown before = shown(main);
        QFile bad(path("bad.quorrel"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(bytes);
        bad.close();
        QVERIFY(!main->openCase(bad.fileName()));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, "Case Not Opened");
        QCOMPARE(seen[0].text, QDir::toNativeSeparators(folder.path()) + QDir::separator() + says);
        const Shown after = shown(main);
        QCOMPARE(after.boxes, before.boxes);
        QCOMPARE(after.timeOfDeath, before.timeOfDeath);
        QCOMPARE(title(), "good.quorrel[*] - Quorrel Estimator - Halbrook");
        QVERIFY(main->isWindowModified());
    }

    // An entry no window would take is named with the window's own reason,
    // not taken for a change of version.
    void badEntryIsNamed_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a negative mass")
            << "henssge-rectal"
            << "mass"
            << "-70"
            << "Henssge's nomogram: Body mass: enter a number from 1 to 250 kg.";
        QTest::newRow("an examination before the discovery")
            << "signs"
            << "examinedDay"
            << "-1"
            << "The signs of death: The examination, at 12:00:00 AM the day before discovery, "
               "comes before the body was found, at 12:00:00 AM the day of discovery. Enter a "
               "time at or after it.";
    }
    void badEntryIsNamed()
    {
        QFETCH(QString, object);
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(QString, reason);
        typeCase({"60", "80", "75", "2"}, "70");
        QJsonObject root =
            QJsonDocument::fromJson(writeCaseFile(caseFileOf(currentCase(), "Quorrel 1.0.0",
                                                             QDateTime::currentDateTime())))
                .object();
        QJsonObject methods = root.value("methods").toObject();
        QJsonObject part = methods.value(object)["estimatedWith"].toObject();
        if (object == "signs")
            part = QJsonObject{{"examinedAt", "12:00:00 AM"}};
        part.insert(member,
                    member == "examinedDay" ? QJsonValue(value.toInt()) : QJsonValue(value));
        part.insert("addedLater", QJsonObject{{"deeper", 3}});
        methods.insert(object, QJsonObject{{"estimatedWith", part}});
        root.insert("methods", methods);
        QFile file(path("bad.quorrel"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
        file.close();
        restart(QLocale(QLocale::English, QLocale::UnitedStates));
        seen.clear();
        QVERIFY(main->openCase(path("bad.quorrel")));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, "Estimates Not Made Again");
        QCOMPARE(seen[0].text, "bad.quorrel holds entries these estimates cannot be made from; the "
                               "entries are shown as the file holds them.\n\n" +
                                   reason);
        // Nothing was changed, and saving keeps what could not be made again.
        QVERIFY(!main->isWindowModified());
        pressInMain(Qt::Key_S, Qt::ControlModifier);
        QFile saved(path("bad.quorrel"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QJsonObject written =
            QJsonDocument::fromJson(saved.readAll())["methods"][object]["estimatedWith"].toObject();
        for (const QString &name : part.keys())
            QCOMPARE(written.value(name), part.value(name));
    }

    // A later Quorrel that mended a method shows the new estimate and says
    // so, naming both.
    void changedEstimateIsNamed()
    {
        typeCase({"60", "80", "75", "2"}, QString());
        QFile::remove(path("mended.quorrel"));
        saveAs(path("mended.quorrel"));
        QFile file(path("mended.quorrel"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QJsonObject methods = root.value("methods").toObject();
        QJsonObject newton = methods.value("newton")["result"].toObject();
        newton.insert("hoursBeforeDiscovery", 5.0);
        newton.insert("sentence", "An older sentence.");
        methods.insert("newton", QJsonObject{{"result", newton}});
        root.insert("methods", methods);
        root.insert("writtenBy", "Quorrel 0.9.0");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
        file.close();
        const QString sentence = controls(main).txtTimeDead->toolTip();
        restart(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(main->openCase(path("mended.quorrel")));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, "Estimates Changed");
        QCOMPARE(seen[0].text,
                 "The estimates made again from the entries in mended.quorrel differ from those "
                 "saved with it. It was saved by Quorrel 0.9.0; this version of Quorrel shows the "
                 "new ones.\n\nNewton's law of cooling: its hours before discovery differ from "
                 "those saved.\nSaved: \u201CAn older sentence.\u201D\nNow: \u201C" +
                     sentence + "\u201D");
        QCOMPARE(controls(main).txtTimeDead->text(), "7:25:44 PM");
        // The case on screen is not the file's: saving would change it.
        QVERIFY(main->isWindowModified());
    }

    void unsavedChanges_data()
    {
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<QString>("mass");  // Henssge's estimate, where given
        QTest::addColumn<QString>("typed"); // over the room, where given
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("inFile"); // the room temperature the file holds after
        const QString changes =
            "The case in unsaved.quorrel has changes that are not saved. Save them?";
        QTest::newRow("an edit, then close asks; Discard closes")
            << true << ""
            << "61" << int(QMessageBox::Discard) << changes << true << "60";
        QTest::newRow("Cancel keeps the window and the edit")
            << true << ""
            << "61" << int(QMessageBox::Cancel) << changes << false << "60";
        QTest::newRow("Save writes the edit, then closes")
            << true << ""
            << "61" << int(QMessageBox::Save) << changes << true << "61";
        QTest::newRow("a saved case closes without asking")
            << true << ""
            << "" << int(QMessageBox::Cancel) << "" << true << "60";
        QTest::newRow("a value typed back is no change")
            << true << "70"
            << "60" << int(QMessageBox::Cancel) << "" << true << "60";
        QTest::newRow("a case never saved closes without asking")
            << false << ""
            << "61" << int(QMessageBox::Cancel) << "" << true << QString();
        QTest::newRow("a case never saved with Henssge's estimate asks")
            << false << "70"
            << "" << int(QMessageBox::Cancel)
            << "This case holds estimates that are not saved. Save it?" << false << QString();
    }
    void unsavedChanges()
    {
        QFETCH(bool, withFile);
        QFETCH(QString, mass);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QString, asked);
        QFETCH(bool, closed);
        QFETCH(QString, inFile);
        typeCase({"60", "80", "75", "2"}, mass);
        const QString file = path("unsaved.quorrel");
        QFile::remove(file);
        if (withFile)
            saveAs(file);
        seen.clear();
        if (!typed.isEmpty()) {
            controls(main).txtAmbRoomTemp->setFocus();
            controls(main).txtAmbRoomTemp->selectAll();
            QTest::keyClicks(controls(main).txtAmbRoomTemp, typed);
            QCOMPARE(main->isWindowModified(), withFile && typed != "60");
        }
        this->answer = QMessageBox::StandardButton(answer);
        QSignalSpy ended(&LoadedForms::instance(), &LoadedForms::allUnloaded);
        // Escape, as a person closes the program from the keyboard.
        pressInMain(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(seen.size(), asked.isEmpty() ? 0 : 1);
        if (!asked.isEmpty())
            QCOMPARE(seen[0].text, asked);
        QTRY_COMPARE(ended.size(), closed ? 1 : 0);
        if (!closed) {
            QCOMPARE(controls(main).txtAmbRoomTemp->text(), typed.isEmpty() ? "60" : typed);
            QVERIFY(main->isVisible());
        }
        if (!inFile.isEmpty()) {
            const CaseFileRead read = loadCaseFile(file);
            QVERIFY(read.file);
            QCOMPARE(read.file->entries.room, inFile);
        }
    }

    // New with changes to a case file asks first; Cancel keeps the case.
    void newCaseAsksFirst()
    {
        typeCase({"60", "80", "75", "2"}, QString());
        QFile::remove(path("new.quorrel"));
        saveAs(path("new.quorrel"));
        QTest::keyClicks(controls(main).txtCorpseTime, "5");
        answer = QMessageBox::Cancel;
        pressInMain(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(controls(main).txtCorpseTime->text(), "25");
        seen.clear();
        answer = QMessageBox::Discard;
        pressInMain(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(controls(main).txtCorpseTime->text(), QString());
        QCOMPARE(title(), "Quorrel Estimator - Halbrook");
    }

    // Ctrl+S saves a case that has a file at once, from the curve window too.
    // Save As takes the name a person gives and makes a case of it; Save
    // asks before it writes over a file another Quorrel saved meanwhile.
    void savingNamesTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written"); // empty: nothing written
        QTest::addColumn<QString>("message");
        QTest::newRow("a name with a dot of its own gets the suffix")
            << "smith.jr"
            << "smith.jr.quorrel" << QString();
        QTest::newRow("a blank name is refused")
            << "   " << QString() << "A case file needs a name: the name given is blank.";
        QTest::newRow("a file changed on disk is not written over unasked")
            << "twice.quorrel"
            << "twice.quorrel"
            << "twice.quorrel was changed on disk since it was opened or saved here. Replace it "
               "with the case on screen?";
    }
    void savingNamesTheFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(QString, message);
        typeCase({"60", "80", "75", "2"}, QString());
        QDir(folder.path()).removeRecursively();
        QVERIFY(QDir().mkpath(folder.path()));
        // Never saved: a name in the home folder, where there is no Documents
        // (where the test can give the program a home: not on Windows).
        const QString suggested = QFileInfo(saveAs(folder.filePath(name))).absolutePath();
        if (QDir::homePath() == home.path())
            QCOMPARE(suggested, home.path());
        const bool twice = name == "twice.quorrel";
        if (twice) {
            // Another Quorrel saves the same case with another room.
            QFile other(folder.filePath(name));
            QVERIFY(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
            other.write(writeCaseFile(CaseFile()));
            other.close();
            answer = QMessageBox::Cancel;
            controls(main).mnuSaveCase->trigger();
            QCOMPARE(loadCaseFile(folder.filePath(name)).file->entries.room, QString());
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 written.isEmpty() ? QStringList() : QStringList{written});
        QCOMPARE(seen.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(seen[0].text, message);
    }

    void ctrlSSavesTheCase()
    {
        typeCase({"60", "80", "75", "2"}, QString());
        QFile::remove(path("ctrl.quorrel"));
        saveAs(path("ctrl.quorrel"));
        controls(main).txtAmbRoomTemp->setFocus();
        controls(main).txtAmbRoomTemp->selectAll();
        QTest::keyClicks(controls(main).txtAmbRoomTemp, "59");
        pressInMain(Qt::Key_G, Qt::ControlModifier);
        frmCoolingCurve *curve = loadedCurveForm();
        QVERIFY(curve);
        QVERIFY(QTest::qWaitForWindowActive(curve));
        QTest::keyClick(curve->picCurve, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!main->isWindowModified());
        QCOMPARE(loadCaseFile(path("ctrl.quorrel")).file->entries.room, "59");
        QVERIFY(seen.isEmpty());
    }
};

QTEST_MAIN(CaseFileWindowsTest)
#include "casedocument_test.moc"
