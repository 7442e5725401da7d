// The case file on its own: what is written reads back the same, every file
// that is not a case this version can read is refused with the reason a
// user can act on, and numbers typed in one locale open as the same numbers
// in another.
#include "casefile.h"
#include "casemethods.h"
#include "curve.h"
#include "henssgecase.h"
#include "henssgetext.h"
#include "methods.h"
#include "newtontext.h"
#include "signs.h"
#include "signscase.h"
#include "signstext.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cmath>
#include <csignal>
#include <limits>

Q_DECLARE_METATYPE(quorrel::ui::CaseFile)
Q_DECLARE_METATYPE(quorrel::NumberLocale)

using namespace quorrel;
using namespace quorrel::ui;

namespace
{

const NumberLocale kEnglish{".", ",", "0"};
const NumberLocale kGerman{",", ".", "0"};
// Qt's Egyptian Arabic: Arabic decimal and thousands signs, Arabic-Indic digits.
const NumberLocale kArabic{"\u066B", "\u066C", "\u0660"};

const HenssgeChoice kWorkedChoice{QStringLiteral("70"), false,
                                  QStringLiteral("dry-naked-still-air"), QStringLiteral("1.0"),
                                  false};

void setHenssge(CaseFile &file, const HenssgeChoice &choice)
{
    file.methods[kHenssgeKey].estimatedWith = henssgeObject(choice);
}

SavedResult &resultOf(CaseFile &file, const QString &key)
{
    return *file.methods[key].result;
}

// The worked example, saved with both estimates.
CaseFile workedExample()
{
    CaseFile file;
    file.writtenBy = QStringLiteral("Quorrel 1.0.0");
    file.savedAt = QStringLiteral("2026-12-09T17:30:00+01:00");
    file.localeName = QStringLiteral("en_US");
    file.locale = kEnglish;
    file.entries = {ClockTime{0}, QStringLiteral("60"), QStringLiteral("80"), QStringLiteral("75"),
                    QStringLiteral("2")};
    setHenssge(file, kWorkedChoice);
    file.methods[kNewtonKey].result =
        SavedResult{kNewtonKey,
                    QStringLiteral("Newton's law of cooling"),
                    QStringLiteral("7:25:44 PM"),
                    4.571111111111111,
                    0.23,
                    QStringLiteral("4 h 34 min 16 s before the body was found."),
                    {}};
    file.methods[kHenssgeKey].result =
        SavedResult{kHenssgeKey,
                    QStringLiteral("Henssge's nomogram"),
                    QStringLiteral("9:40:12 AM"),
                    14.33,
                    2.8,
                    QStringLiteral("About 14 h 20 min."),
                    {QStringLiteral("Q = 0.45"), QStringLiteral("Cooled faster.")}};
    return file;
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

QJsonObject workedObject()
{
    return QJsonDocument::fromJson(writeCaseFile(workedExample())).object();
}

#ifdef Q_OS_UNIX
// A file-size limit of a few bytes for as long as it lives, as `ulimit -f`
// sets one: a write past it fails instead of ending the program.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_limit);
        rlimit small = m_limit;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_limit); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_limit{};
};
#endif

} // namespace

class CaseFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerMethods(); }

    void readsBackWhatItWrote_data()
    {
        QTest::addColumn<CaseFile>("file");
        QTest::newRow("worked example with both methods") << workedExample();
        CaseFile henssgeOnly = workedExample();
        henssgeOnly.entries.secondBody.clear();
        henssgeOnly.entries.hoursBetween.clear();
        henssgeOnly.methods.remove(kNewtonKey);
        QTest::newRow("one reading with Henssge only") << henssgeOnly;
        CaseFile german = workedExample();
        german.localeName = QStringLiteral("de_DE");
        german.locale = kGerman;
        german.entries.room = QStringLiteral("60,5");
        HenssgeChoice pounds = kWorkedChoice;
        pounds.pounds = true;
        pounds.factorForThisMass = true;
        setHenssge(german, pounds);
        QTest::newRow("German decimals, pounds, factor for this mass") << german;
        CaseFile arabic = workedExample();
        arabic.localeName = QStringLiteral("ar_EG");
        arabic.locale = kArabic;
        arabic.entries.body = QStringLiteral("\u0668\u0660\u066B\u0665");
        QTest::newRow("Arabic-Indic digits") << arabic;
        CaseFile huge = workedExample();
        huge.entries.room = QStringLiteral("9").repeated(302);
        QTest::newRow("a 302-digit entry") << huge;
        CaseFile unset;
        unset.writtenBy = QStringLiteral("Quorrel 1.0.0");
        unset.entries.room = QStringLiteral("not a number <b>");
        QTest::newRow("no time found, no estimate, text as typed") << unset;
        CaseFile unbounded = workedExample();
        resultOf(unbounded, kNewtonKey).spreadHours = std::numeric_limits<double>::infinity();
        resultOf(unbounded, kHenssgeKey).spreadHours.reset();
        QTest::newRow("an unbounded spread and none") << unbounded;
        CaseFile later = workedExample();
        later.later.insert(QStringLiteral("photographs"),
                           QJsonObject{{QStringLiteral("count"), QStringLiteral("12")}});
        QTest::newRow("members of a later version kept") << later;
        CaseFile nested = workedExample();
        nested.later.insert(QStringLiteral("entries"),
                            QJsonObject{{QStringLiteral("probe"),
                                         QJsonObject{{QStringLiteral("depth"),
                                                      QJsonObject{{QStringLiteral("cm"), 8}}}}}});
        nested.later.insert(
            QStringLiteral("methods"),
            QJsonObject{{kHenssgeKey, QJsonObject{{QStringLiteral("estimatedWith"),
                                                   QJsonObject{{QStringLiteral("clothing"),
                                                                QJsonArray{1, 2}}}}}},
                        {QStringLiteral("brain"), QJsonObject{{QStringLiteral("probe"), 3}}}});
        QTest::newRow("unknown members kept three deep inside known ones") << nested;
        CaseFile madeEarlier = workedExample();
        madeEarlier.estimatedFrom = madeEarlier.entries;
        madeEarlier.entries.hoursBetween = QStringLiteral("25");
        QTest::newRow("entries changed after the estimates were made") << madeEarlier;
        CaseFile celsius = madeEarlier;
        celsius.entries.unit = TemperatureUnit::Celsius;
        celsius.estimatedFrom->unit = TemperatureUnit::Celsius;
        QTest::newRow("typed in \u00B0C, the estimates' entries too") << celsius;
        CaseFile scene = workedExample();
        HenssgeChoice uncertain = kWorkedChoice;
        uncertain.roomUncertainty = QStringLiteral("1.8");
        uncertain.massUncertainty = QStringLiteral("3");
        setHenssge(scene, uncertain);
        // Rigor at its maximum, the eyelid at grade III, the last sighting.
        scene.methods[kSignsKey].estimatedWith = signsObject(
            SignsEntries{QStringLiteral("12:00:00 AM"),
                         0,
                         QStringLiteral("11:30:00 AM"),
                         -1,
                         {*signRowFor(DeathSign::RigorMaximal, SignFinding::Yes),
                          *signRowFor(DeathSign::ElectricalEyelid, SignFinding::GradeIII)}});
        QTest::newRow("signs of death and uncertain entries") << scene;
        CaseFile inItems = scene;
        const QJsonObject photo{{QStringLiteral("photo"), 3}};
        const QJsonObject findings{{QStringLiteral("rigorMaximal"), photo}};
        const QJsonObject signs{{QStringLiteral("findings"), findings}};
        const QJsonObject checked{{QStringLiteral("checkedBy"), 1}};
        inItems.later.insert(
            QStringLiteral("methods"),
            QJsonObject{{kSignsKey, QJsonObject{{QStringLiteral("estimatedWith"), signs}}},
                        {kNewtonKey, QJsonObject{{QStringLiteral("result"), checked}}}});
        QTest::newRow("members inside a finding and a result") << inItems;
        CaseFile typedOnly = workedExample();
        typedOnly.methods[kHenssgeKey].window = henssgeObject(HenssgeChoice{
            QStringLiteral("not yet"), true, kOtherConditionId, QStringLiteral("1,4"), false});
        typedOnly.methods[kSignsKey].window = signsObject(SignsEntries{
            QStringLiteral("2:30 pm"), 30, QString(), -30, {signsOfDeath().size() - 1}});
        QTest::newRow("windows' boxes never estimated, as typed") << typedOnly;
        CaseFile setAside = workedExample();
        HenssgeChoice aside{QStringLiteral("70"), false, kOtherConditionId, QStringLiteral("1"),
                            false};
        aside.roomUncertaintyAside = QStringLiteral("2");
        aside.factorUncertaintyAside = QStringLiteral("0,1");
        setAside.methods[kHenssgeKey].window = henssgeObject(aside);
        QTest::newRow("a \u00B1 typed, then the entries taken as exact") << setAside;
    }
    void readsBackWhatItWrote()
    {
        QFETCH(CaseFile, file);
        const QByteArray bytes = writeCaseFile(file);
        // The desktop tells a case by its start.
        QVERIFY(bytes.startsWith("{\n    \"caseFormat\": \"quorrel-case\",\n"));
        const CaseFileRead read = readCaseFile(bytes);
        QCOMPARE(read.problem, QString());
        QVERIFY(read.file);
        const CaseFile &back = *read.file;
        // °C as a major a Quorrel without it refuses, °F as one it reads.
        QCOMPARE(QJsonDocument::fromJson(bytes)["caseFormatVersion"].toInt(),
                 file.entries.unit == TemperatureUnit::Celsius ? 3 : 2);
        QCOMPARE(back.formatVersion, file.entries.unit == TemperatureUnit::Celsius ? 3 : 2);
        QCOMPARE(back.writtenBy, file.writtenBy);
        QCOMPARE(back.savedAt, file.savedAt);
        QCOMPARE(back.localeName, file.localeName);
        QVERIFY(back.locale.decimalPoint == file.locale.decimalPoint);
        QVERIFY(back.locale.groupSeparator == file.locale.groupSeparator);
        QVERIFY(back.locale.zeroDigit == file.locale.zeroDigit);
        QVERIFY(back.entries == file.entries);
        QCOMPARE(back.methods.keys(), file.methods.keys());
        // Written again, it is the same file.
        QCOMPARE(writeCaseFile(back), bytes);
        // Conditions by their ids, never as a pick list shows them.
        QVERIFY(!bytes.contains("Dry, naked"));
        QCOMPARE(back.later, file.later);
        QVERIFY(back.estimatedFrom == file.estimatedFrom);
    }

    void refuses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray worked = writeCaseFile(workedExample());
        QTest::newRow("truncated file")
            << worked.left(worked.indexOf("\"methods\""))
            << "is not a Quorrel case: it is not JSON (line 18, column 5: unterminated object)";
        QTest::newRow("not JSON")
            << QByteArray("%PDF-1.4\n")
            << "is not a Quorrel case: it is not JSON (line 1, column 1: illegal value)";
        QTest::newRow("a fault after non-ASCII text counts characters")
            << QByteArray("{\"a\": \"\xC3\xA9\xC3\xA9\" x}")
            << "is not a Quorrel case: it is not JSON (line 1, column 12: unterminated object)";
        QTest::newRow("empty file")
            << QByteArray()
            << "is not a Quorrel case: it is not JSON (line 1, column 1: illegal value)";
        QTest::newRow("JSON that is a list")
            << QByteArray("[1, 2]")
            << "is not a Quorrel case: it is JSON without \"caseFormat\": \"quorrel-case\"";
        QJsonObject other = workedObject();
        other.insert(QStringLiteral("caseFormat"), QStringLiteral("other-case"));
        QTest::newRow("another program's format")
            << json(other)
            << "is not a Quorrel case: it is JSON without \"caseFormat\": \"quorrel-case\"";
        QJsonObject newer = workedObject();
        newer.insert(QStringLiteral("caseFormatVersion"), 4);
        newer.insert(QStringLiteral("writtenBy"), QStringLiteral("Quorrel 4.0.0"));
        QTest::newRow("a newer major format version")
            << json(newer)
            << "was saved by Quorrel 4.0.0 in case format 4; this Quorrel reads case format 3 and "
               "earlier. Open it with a later Quorrel";
        QJsonObject fraction = workedObject();
        fraction.insert(QStringLiteral("caseFormatVersion"), 1.5);
        QTest::newRow("a version that is no whole number")
            << json(fraction)
            << "is not a case this Quorrel can read: \"caseFormatVersion\" should be a whole "
               "number from 1";
        QJsonObject numberEntry = workedObject();
        QJsonObject entries = numberEntry.value(QStringLiteral("entries")).toObject();
        entries.insert(QStringLiteral("roomTemperature"), 60);
        numberEntry.insert(QStringLiteral("entries"), entries);
        QTest::newRow("an entry that is a number, not as typed")
            << json(numberEntry)
            << "is not a case this Quorrel can read: \"entries\" \u203A \"roomTemperature\" "
               "should be text, but it is a number";
        QJsonObject badTime = workedObject();
        entries = badTime.value(QStringLiteral("entries")).toObject();
        entries.insert(QStringLiteral("timeFound"), QStringLiteral("25:00:00 AM"));
        badTime.insert(QStringLiteral("entries"), entries);
        QTest::newRow("a time found that is no time")
            << json(badTime)
            << "is not a case this Quorrel can read: \"entries\" \u203A \"timeFound\" should be "
               "a time of day such as \"12:00:00 AM\"";
        QJsonObject kelvin = workedObject();
        kelvin.insert(QStringLiteral("temperatureUnit"), QStringLiteral("K"));
        QTest::newRow("a temperature unit Quorrel has not")
            << json(kelvin)
            << "is not a case this Quorrel can read: \"temperatureUnit\" should be \"F\" or "
               "\"C\"";
        QJsonObject unsaid = workedObject();
        unsaid.insert(QStringLiteral("caseFormatVersion"), 3);
        unsaid.remove(QStringLiteral("temperatureUnit"));
        QTest::newRow("format 3 without its unit")
            << json(unsaid)
            << "is not a case this Quorrel can read: \"temperatureUnit\" should be \"F\" or "
               "\"C\"";
        CaseFile stones = workedExample();
        stones.methods[kHenssgeKey].estimatedWith.insert(QStringLiteral("massUnit"),
                                                         QStringLiteral("st"));
        QTest::newRow("a mass unit Quorrel has not")
            << writeCaseFile(stones)
            << "is not a case this Quorrel can read: \"methods\" \u203A \"henssge-rectal\" "
               "\u203A \"estimatedWith\" \u203A \"massUnit\" should be \"kg\" or \"lb\"";
        QJsonObject methods = workedObject();
        methods.insert(QStringLiteral("methods"), QStringLiteral("none"));
        QTest::newRow("methods that are no object")
            << json(methods)
            << "is not a case this Quorrel can read: \"methods\" should be an object, but it is "
               "text";
        QJsonObject first = workedObject();
        first.insert(QStringLiteral("caseFormatVersion"), 1);
        first.insert(QStringLiteral("results"), QStringLiteral("none"));
        QTest::newRow("first format: results that are no list")
            << json(first)
            << "is not a case this Quorrel can read: \"results\" should be a list, but it is text";
        QJsonObject zero = workedObject();
        zero.insert(QStringLiteral("locale"),
                    QJsonObject{{QStringLiteral("zeroDigit"), QStringLiteral("x")}});
        QTest::newRow("a locale whose zero is no digit")
            << json(zero)
            << "is not a case this Quorrel can read: \"locale\" \u203A \"zeroDigit\" should be "
               "a digit zero";
        const QJsonObject rigor{{QStringLiteral("sign"), QStringLiteral("rigorMaximal")},
                                {QStringLiteral("finding"), QStringLiteral("yes")}};
        const auto withSigns = [](const QJsonObject &signs) {
            CaseFile file = workedExample();
            file.methods[kSignsKey].estimatedWith = signs;
            return writeCaseFile(file);
        };
        QTest::newRow("a sign this Quorrel does not know")
            << withSigns(
                   {{QStringLiteral("examinedAt"), QStringLiteral("12:00:00 AM")},
                    {QStringLiteral("findings"),
                     QJsonArray{QJsonObject{{QStringLiteral("sign"), QStringLiteral("pupils")},
                                            {QStringLiteral("finding"), QStringLiteral("yes")}}}}})
            << "is not a case this Quorrel can read: \"methods\" \u203A \"signs\" \u203A "
               "\"estimatedWith\" \u203A \"findings\" \u203A "
               "\"pupils yes\" should be a sign and finding this Quorrel knows";
        QTest::newRow("one sign found twice")
            << withSigns({{QStringLiteral("examinedAt"), QStringLiteral("12:00:00 AM")},
                          {QStringLiteral("findings"), QJsonArray{rigor, rigor}}})
            << "is not a case this Quorrel can read: \"methods\" \u203A \"signs\" \u203A "
               "\"estimatedWith\" \u203A \"findings\" \u203A "
               "\"rigorMaximal\" should be given once";
        QTest::newRow("a day beyond any the window offers")
            << withSigns({{QStringLiteral("examinedAt"), QStringLiteral("12:00:00 AM")},
                          {QStringLiteral("examinedDay"), 400}})
            << "is not a case this Quorrel can read: \"methods\" \u203A \"signs\" \u203A "
               "\"estimatedWith\" \u203A \"examinedDay\" should be "
               "a whole number from -30 to 30";
        QTest::newRow("signs combined at no time of day")
            << withSigns({{QStringLiteral("examinedAt"), QStringLiteral("soon")}})
            << "is not a case this Quorrel can read: \"methods\" \u203A \"signs\" \u203A "
               "\"estimatedWith\" \u203A \"examinedAt\" should be "
               "a time of day such as \"12:00:00 AM\", and so should \"lastSeenAt\" where it is "
               "given";
        QTest::newRow("over 1 MB")
            << QByteArray(kCaseFileMaxBytes + 1, ' ') << "is larger than a case file can be (1 MB)";
        // A box would cut the first and show only the "6" of the second.
        const auto withRoom = [](const QString &room) {
            QJsonObject root = workedObject();
            QJsonObject entries = root.value(QStringLiteral("entries")).toObject();
            entries.insert(QStringLiteral("roomTemperature"), room);
            root.insert(QStringLiteral("entries"), entries);
            return json(root);
        };
        QTest::newRow("an entry longer than a box holds")
            << withRoom(QString(kTypedMaxLength + 1, '6'))
            << "is not a case this Quorrel can read: \"entries\" \u203A \"roomTemperature\" "
               "should be at most 32,767 characters long, as a box holds";
        QTest::newRow("a NUL inside an entry")
            << withRoom(QStringLiteral("6") + QChar(0) + QStringLiteral("0"))
            << "is not a case this Quorrel can read: \"entries\" \u203A \"roomTemperature\" "
               "should be text without control characters";
    }
    void refuses()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const CaseFileRead read = readCaseFile(bytes);
        QVERIFY(!read.file);
        QCOMPARE(read.problem, problem);
    }

    // Every format a Quorrel has written opens, and saves again with what
    // this one does not know where it was: the committed example of each.
    void opensEveryFormat_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<QString>("keptAt"); // a member this Quorrel does not know
        const auto example = [](const char *name) {
            QFile file(QStringLiteral(QUORREL_SOURCE_DIR "/tests/ui/case/formats/") +
                       QLatin1String(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTest::newRow("format 1 with only what was typed")
            << QByteArray("{\"caseFormat\": \"quorrel-case\", \"caseFormatVersion\": 1,\n"
                          " \"entries\": {\"timeFound\": \"12:00:00 AM\", \"roomTemperature\": "
                          "\"60\"}}")
            << QString() << QString();
        QTest::newRow("format 1, the worked example")
            << example("format-1.quorrel") << "70" << QString();
        QTest::newRow("format 2.0") << example("format-2.0.quorrel") << "70" << QString();
        QTest::newRow("format 2.1, members three deep and a method this Quorrel lacks")
            << example("format-2.1.quorrel") << "70"
            << "methods/henssge-rectal/estimatedWith/probe/site/depthCm";
    }
    void opensEveryFormat()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mass);
        QFETCH(QString, keptAt);
        const CaseFileRead read = readCaseFile(bytes);
        QCOMPARE(read.problem, QString());
        QCOMPARE(read.file->entries.room, "60");
        const MethodPart henssge = read.file->methods.value(kHenssgeKey);
        // The first format's condition as shown opens as its id.
        QCOMPARE(
            henssge.estimatedWith.isEmpty()
                ? QString()
                : henssgeChoiceIn(henssge.estimatedWith, read.file->locale, kEnglish).condition,
            mass.isEmpty() ? QString() : "dry-naked-still-air");
        QCOMPARE(henssge.estimatedWith.value("mass").toString(), mass);
        if (!mass.isEmpty())
            QCOMPARE(read.file->methods.value(kNewtonKey).result->timeOfDeath, "7:25:44 PM");
        const QByteArray again = writeCaseFile(*read.file);
        QCOMPARE(readCaseFile(again).file->later, read.file->later);
        if (keptAt.isEmpty())
            return;
        QJsonValue kept = QJsonDocument::fromJson(again).object();
        for (const QString &name : keptAt.split('/'))
            kept = kept.toObject().value(name);
        QCOMPARE(kept, QJsonValue(3));
        QVERIFY(QJsonDocument::fromJson(again)["methods"]["brain"]["result"].isObject());
    }

    void retypesNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<NumberLocale>("from");
        QTest::addColumn<NumberLocale>("to");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German decimal comma opens as a point in English")
            << "98,6" << kGerman << kEnglish << "98.6";
        QTest::newRow("English point opens as a comma in German")
            << "98.6" << kEnglish << kGerman << "98,6";
        QTest::newRow("German groups open as English groups")
            << "1.000,5" << kGerman << kEnglish << "1,000.5";
        QTest::newRow("English 1,000 is a thousand in German too")
            << "1,000" << kEnglish << kGerman << "1.000";
        QTest::newRow("Arabic-Indic digits open as ASCII in English")
            << "\u0669\u0668\u066B\u0666" << kArabic << kEnglish << "98.6";
        QTest::newRow("English opens in Arabic digits with the Arabic decimal sign")
            << "98.6" << kEnglish << kArabic << "\u0669\u0668\u066B\u0666";
        QTest::newRow("same locale: exactly as typed")
            << " 98,6 " << kGerman << kGerman << " 98,6 ";
        QTest::newRow("not a number stays as typed") << "warm" << kGerman << kEnglish << "warm";
        QTest::newRow("a comma that is no German number stays")
            << "1,2,3" << kGerman << kEnglish << "1,2,3";
        QTest::newRow("negative with an exponent") << "-1,5e3" << kGerman << kEnglish << "-1.5e3";
        QTest::newRow("302 digits keep every digit")
            << QString(QStringLiteral("1") + QString(300, '0') + QStringLiteral(",5")) << kGerman
            << kEnglish << QString(QStringLiteral("1") + QString(300, '0') + QStringLiteral(".5"));
    }
    void retypesNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(NumberLocale, from);
        QFETCH(NumberLocale, to);
        QFETCH(QString, shown);
        QCOMPARE(retypedNumber(typed, from, to), shown);
    }

    void henssgeChoiceInTheReadersLocale()
    {
        const HenssgeChoice german{QStringLiteral("70,5"), false,
                                   QStringLiteral("Dry, naked, still air: 1,0"),
                                   QStringLiteral("1,0"), false};
        const std::optional<HenssgeChoice> choice =
            henssgeChoiceIn(henssgeObject(german), kGerman, kEnglish);
        QCOMPARE(choice->mass, "70.5");
        QCOMPARE(choice->factor, "1.0");
        QCOMPARE(choice->condition, "dry-naked-still-air");
    }

    void loadRefuses_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a folder") << "folder"
                                  << "is a folder, not a case file";
        QTest::newRow("a named pipe, which would wait for a writer")
            << "pipe"
            << "is a pipe or a device, not a case file";
        QTest::newRow("vanished") << "missing"
                                  << "could not be read: No such file or directory";
        QTest::newRow("over 1 MB on disk")
            << "large"
            << "is 1,048,577 bytes, larger than a case file can be (1 MB)";
        QTest::newRow("no name at all") << "empty"
                                        << "could not be read: no file name was given";
    }
    void loadRefuses()
    {
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("case.quorrel"));
        if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("case.quorrel")));
        if (kind == "pipe") {
#ifdef Q_OS_UNIX
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#else
            QSKIP("a named pipe is a Unix file");
#endif
        }
        if (kind == "large") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(kCaseFileMaxBytes + 1));
        }
        if (kind == "empty")
            path.clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const CaseFileRead read = loadCaseFile(path);
        QVERIFY(!read.file);
#ifndef Q_OS_UNIX
        // Windows words the system's reason its own way.
        if (kind == "missing")
            QVERIFY2(read.problem.startsWith("could not be read: "), qPrintable(read.problem));
        else
#endif
            QCOMPARE(read.problem, problem);
    }

    void unreadableFileIsRefused()
    {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root reads a file whatever its permissions");
#else
        QSKIP("a file shut to its owner is a Unix permission");
#endif
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("case.quorrel"));
        QCOMPARE(saveCaseFile(path, writeCaseFile(workedExample())), QString());
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QCOMPARE(loadCaseFile(path).problem, "could not be read: Permission denied");
    }

    // A file no Quorrel opens is refused before the disk is touched, naming
    // what makes it large; one that fits only unindented is written so.
    void neverWritesWhatItCannotOpen_data()
    {
        QTest::addColumn<CaseFile>("file");
        QTest::addColumn<QString>("cause");
        CaseFile wide = workedExample();
        HenssgeChoice h = kWorkedChoice;
        for (QString *box : {&wide.entries.room, &wide.entries.body, &wide.entries.secondBody,
                             &wide.entries.hoursBetween, &h.mass, &h.factor, &h.roomUncertainty,
                             &h.massUncertainty, &h.factorUncertainty, &h.roomUncertaintyAside,
                             &h.massUncertaintyAside})
            *box = QString(kTypedMaxLength, QChar(0x6C34));
        setHenssge(wide, h);
        QTest::newRow("the longest boxes in a script of three bytes a character")
            << wide << "Shorten the longest entries";
        CaseFile theirs = workedExample();
        theirs.later.insert("photographs", QString(1100000, 'a'));
        QTest::newRow("what another version added")
            << theirs
            << "1,100,016 bytes of it are what another version of Quorrel or another program put "
               "in the file, which this Quorrel keeps as they came";
        CaseFile deep = workedExample();
        deep.later.insert(
            "entries", QJsonObject{{"readings", QJsonArray::fromVariantList(
                                                    QVariantList(60000, QVariantMap{{"a", 1}}))}});
        QTest::newRow("deep members, written unindented to fit") << deep << QString();
    }
    void neverWritesWhatItCannotOpen()
    {
        QFETCH(CaseFile, file);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("case.quorrel"));
        const QByteArray bytes = writeCaseFile(file);
        const QString problem = saveCaseFile(path, bytes);
        if (cause.isEmpty()) {
            QCOMPARE(problem, QString());
            QCOMPARE(loadCaseFile(path).file->later, file.later);
            return;
        }
        QCOMPARE(problem,
                 QStringLiteral("it would be %1 bytes, larger than a case file can be (1 MB), "
                                "and no Quorrel could open it again. %2")
                     .arg(QLocale().toString(bytes.size()), cause));
        QVERIFY(!QFile::exists(path));
    }

    // A save that fails leaves the earlier file whole and says why.
    void failedSaveKeepsTheEarlierFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("the disk is filled with a Unix resource limit");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("case.quorrel"));
        const QByteArray earlier = writeCaseFile(workedExample());
        QCOMPARE(saveCaseFile(path, earlier), QString());
        CaseFile longer = workedExample();
        longer.entries.room = QString(4000, '9');
        {
            const FileSizeLimit limit(1000);
            QCOMPARE(saveCaseFile(path, writeCaseFile(longer)), "File too large");
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"case.quorrel"});
#endif
    }

    void recomputedResultsThatDiffer_data()
    {
        QTest::addColumn<double>("hoursNow");
        QTest::addColumn<double>("spreadNow");
        QTest::addColumn<QString>("named");
        QTest::newRow("the same to the second is not named")
            << 4.571111111111111 + 1e-13 << 0.23 << QString();
        QTest::newRow("another time of death is named by both clock times")
            << 4.6 << 0.23 << "died 7:25:44 PM when saved, 7:24:00 PM now.";
        QTest::newRow("another interval is named")
            << 4.571111111111111 << 0.5 << "its interval differs from the one saved.";
    }
    void recomputedResultsThatDiffer()
    {
        QFETCH(double, hoursNow);
        QFETCH(double, spreadNow);
        QFETCH(QString, named);
        CaseFile file = workedExample();
        file.methods.remove(kHenssgeKey);
        MethodRecord newton;
        newton.key = QStringLiteral("newton");
        newton.result.hoursSinceDeath = hoursNow;
        newton.result.spreadHours = spreadNow;
        newton.sentence = QStringLiteral("Now.");
        newton.deathAt = *clockTimeAfter(ClockTime{0}, -hoursNow);
        const QStringList changed = changedResults(file, CaseRecord{ClockTime{0}, {newton}});
        QCOMPARE(changed, named.isEmpty()
                              ? QStringList{}
                              : QStringList{"Newton's law of cooling: " + named +
                                            "\nSaved: \u201C4 h 34 min 16 s before the body was "
                                            "found.\u201D\nNow: \u201CNow.\u201D"});
        QCOMPARE(changedResults(file, std::nullopt).size(), 1);
    }
};

QTEST_GUILESS_MAIN(CaseFileTest)
#include "casefile_test.moc"
