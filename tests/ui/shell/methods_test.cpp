// A method the program does not have, given to the list as every method is,
// and nothing else changed: it is in the Estimate menu, in a case file
// written and opened again, on the curve, on the case sheet and weighed in
// the signs' combination.
#include "application.h"
#include "casefile.h"
#include "caseholder.h"
#include "casemethods.h"
#include "casesheet.h"
#include "clock.h"
#include "curve.h"
#include "curvetext.h"
#include "frmquorrelestimator.h"
#include "methodwindows.h"
#include "signscase.h"
#include "signstext.h"
#include "uitest.h"

#include <QJsonObject>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quorrel;
using namespace quorrel::ui;
using namespace quorrel::test;

namespace
{

const QString kKey = QStringLiteral("test-pendulum");

// A pendulum clock stopped by the fall: death 5 h before discovery, ±1 h.
CaseRecord pendulumCase(const QJsonObject &madeWith)
{
    MethodRecord pendulum;
    pendulum.key = kKey;
    pendulum.name = QStringLiteral("Pendulum clock");
    pendulum.entries = {{QStringLiteral("Swings left"), madeWith.value("swings").toString(), {}}};
    pendulum.result.hoursSinceDeath = 5.0;
    pendulum.result.spreadHours = 1.0;
    pendulum.result.ambient = 60.0;
    pendulum.result.startTemperature = 98.6;
    pendulum.result.readings = {{0.0, 80.0}};
    pendulum.result.temperatureAt = [](double hours) { return 80.0 - 3.72 * hours; };
    pendulum.deathAt = *clockTimeAfter(ClockTime{0}, -5.0);
    pendulum.sentence = QStringLiteral("The pendulum stopped 5 h before the body was found.");
    pendulum.deathLabel = [](ClockTime, bool, bool) { return QStringLiteral("Pendulum: 7 PM"); };
    pendulum.inWords = [](ClockTime, bool, bool) {
        return QStringLiteral("The pendulum clock, stopped at 7 PM.");
    };
    pendulum.sheet = {{QStringLiteral("Pendulum clock"), {}, {pendulum.sentence}}};
    pendulum.weighed = MethodRecord::Weighed{{6.0, 4.0},
                                             QStringLiteral("the pendulum's limit"),
                                             QStringLiteral("the pendulum's limit"),
                                             QStringLiteral("Pendulum clock, ±1 h"),
                                             QStringLiteral("pendulum"),
                                             QStringLiteral("pendulum")};
    pendulum.madeWith = madeWith;
    return CaseRecord{ClockTime{0}, {pendulum}};
}

} // namespace

class MethodsTest : public QObject
{
    Q_OBJECT

    QPointer<frmQuorrelEstimator> main;
    std::unique_ptr<MessageWatcher> messages;

private slots:
    void initTestCase()
    {
        CaseMethod inCase{kKey};
        inCase.knownMembers = [](const QString &path) -> std::optional<QStringList> {
            return path.isEmpty() ? std::optional(QStringList{"swings"}) : std::nullopt;
        };
        inCase.remake = [](const QJsonObject &with, const NumberLocale &, CaseHolder &holder) {
            holder.publish(pendulumCase(with));
            return QString();
        };
        addCaseMethod(inCase);
        addMethodWindow({kKey, QStringLiteral("mnuPendulum"), QStringLiteral("&Pendulum\u2026"),
                         QKeySequence(), [](QWidget *) {
                             currentCase().publish(pendulumCase({{"swings", "3"}}));
                         }});
        setUpApplication();
        messages = std::make_unique<MessageWatcher>();
    }

    void aMethodIsAnEntry()
    {
        startWithMidnightSet(main);
        QAction *item = main->findChild<QAction *>("mnuPendulum");
        QVERIFY(item);
        QCOMPARE(item->text(), "&Pendulum\u2026");
        item->trigger();
        QVERIFY(currentCase().record()->method(kKey));
        QVERIFY(curveSummary(&*currentCase().record()).contains("The pendulum clock"));

        // The sheet gives it a section of its own.
        QTemporaryDir folder;
        const QString sheet = folder.filePath("sheet.pdf");
        QCOMPARE(writeCaseSheetPdf(sheet, *currentCase().record(), QDateTime::currentDateTime()),
                 QString());
#ifndef Q_OS_WIN
        // Read back with poppler, which Windows lacks; the installer's test
        // reads a sheet back there.
        const QString text = run("pdftotext", {"-layout", sheet, "-"}).simplified();
        QVERIFY2(text.contains("Pendulum clock") &&
                     text.contains("The pendulum stopped 5 h before the body was found."),
                 qPrintable(text));
#endif

        // The combination weighs it, and names it where it sets an end.
        const SignsOutcome combined = combineSignsCase(
            currentCase().entries(), SignsChoice{{ClockTime{0}, 0}, std::nullopt, {}},
            currentCase().record());
        QVERIFY(combined.record);
        QVERIFY2(combined.record->method(kSignsKey)->sentence.contains("the pendulum's limit"),
                 qPrintable(combined.record->method(kSignsKey)->sentence));

        // Its part of the file is its own, and opening makes it again.
        const QString path = folder.filePath("case.quorrel");
        currentCase().setWindowEntries(kKey, {{"swings", "4"}}, true);
        QCOMPARE(saveCaseFile(path, writeCaseFile(caseFileOf(currentCase(), "Quorrel",
                                                             QDateTime::currentDateTime()))),
                 QString());
        const CaseFile file = *loadCaseFile(path).file;
        QCOMPARE(file.methods.value(kKey).estimatedWith, QJsonObject({{"swings", "3"}}));
        QCOMPARE(file.methods.value(kKey).window, QJsonObject({{"swings", "4"}}));
        currentCase().clear();
        QVERIFY(main->openCase(path));
        QVERIFY(currentCase().record()->method(kKey));
        QVERIFY(messages->seen.isEmpty());
    }
};

QTEST_MAIN(MethodsTest)
#include "methods_test.moc"
