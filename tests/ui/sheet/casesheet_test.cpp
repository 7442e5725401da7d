#include "application.h"
#include "caseholder.h"
#include "casesheet.h"
#include "curvelayout.h"
#include "curveplot.h"
#include "forms.h"
#include "frmcoolingcurve.h"
#include "frmhenssge.h"
#include "frmquorrelestimator.h"
#include "frmsigns.h"
#include "printerloader.h"
#include "uitest.h"
#include "widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

using namespace quorrel::ui;
using namespace quorrel::test;

namespace
{

// Every file and folder under a folder, hidden ones included, relative to it.
QStringList everythingUnder(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

// A limit on the size of a file, as `ulimit -f 0` sets, for as long as it
// lives: every write to a file fails (EFBIG) while the file opens. The
// program's own set-up keeps the signal the kernel sends with it from ending
// the program; this test makes that set-up, as the program's main does.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &m_limit);
        rlimit none = m_limit;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_limit); }

private:
    rlimit m_limit{};
};

// Set where a test runs again on a small tmpfs of its own: where it lies.
const char *const kSmallDisk = "QUORREL_SMALL_DISK";

// Runs the current test row again in a copy of this test, in a user and mount
// namespace of its own with a tmpfs mounted over `disk`: a real full disk,
// with no privilege needed. Returns what it printed; `made` says whether the
// namespace and the mount could be made here at all.
QString runOnSmallDisk(const QString &disk, bool *made)
{
    const QString mount = QStringLiteral("mount -t tmpfs -o size=1m none \"$0\"");
    QProcess probe;
    probe.start("unshare", {"-rm", "sh", "-c", mount, disk});
    *made = probe.waitForFinished(60000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0;
    if (!*made)
        return probe.error() == QProcess::UnknownError
                   ? QString::fromLocal8Bit(probe.readAllStandardError()).trimmed()
                   : probe.errorString();
    QProcess again;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kSmallDisk, disk);
    again.setProcessEnvironment(environment);
    again.setProcessChannelMode(QProcess::MergedChannels);
    again.start("unshare", {"-rm", "sh", "-c", mount + " && exec \"$@\"", disk,
                            QCoreApplication::applicationFilePath(),
                            QStringLiteral("%1:%2").arg(QTest::currentTestFunction(),
                                                        QTest::currentDataTag())});
    if (!again.waitForFinished(120000) || again.exitStatus() != QProcess::NormalExit)
        return again.errorString() + ": " + again.readAll();
    return again.exitCode() == 0 ? QString() : QString::fromLocal8Bit(again.readAll());
}

// Fills the disk that holds `folder` with a file there until room for
// `room` bytes is left, and no more.
void fillDiskLeaving(const QString &folder, qint64 room)
{
    QFile filler(QDir(folder).filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(QStorageInfo(folder).blockSize(), 'x');
    while (filler.write(block) == block.size())
        ;
    QVERIFY(filler.resize(filler.size() - room));
    filler.close();
    QCOMPARE(QStorageInfo(folder).bytesAvailable(), room);
}

// Answers Yes when asked whether to replace a file, as a person who means to
// replace it does: the message watcher's Return then presses Yes.
class ReplaceFiles : public QObject
{
protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(object);
        if (box && event->type() == QEvent::Show && box->text().contains("already exists"))
            box->setDefaultButton(QMessageBox::Yes);
        return false;
    }
};

// The loaded libraries of this process, as the kernel lists them.
QString mappedFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? QString::fromUtf8(maps.readAll()) : QString();
}

// Every word of every page inside the margins (18 mm either side, 16 mm top
// and bottom), and above the page's footer, its lowest line.
void everyWordInsideTheMargins(const QString &path)
{
    const QString boxes = run("pdftotext", {"-bbox", path, "-"});
    const QRegularExpressionMatch page =
        QRegularExpression("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"").match(boxes);
    QVERIFY(page.hasMatch());
    const QRectF inside = QRectF(0, 0, page.captured(1).toDouble(), page.captured(2).toDouble())
                              .adjusted(18 / 25.4 * 72 - 1, 16 / 25.4 * 72 - 1, -18 / 25.4 * 72 + 1,
                                        -16 / 25.4 * 72 + 1);
    int count = 0;
    for (const QString &onePage : boxes.split("<page ").mid(1)) {
        QRegularExpressionMatchIterator words =
            QRegularExpression("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                               "yMax=\"([0-9.]+)\">([^<]*)</word>")
                .globalMatch(onePage);
        QList<std::pair<QRectF, QString>> placed;
        while (words.hasNext()) {
            const QRegularExpressionMatch w = words.next();
            const QRectF box(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                             QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
            QVERIFY2(inside.contains(box), qPrintable(w.captured(5) + " lies outside the margins"));
            placed.append({box, w.captured(5)});
        }
        QRectF lowest; // a word of the footer; the words across its middle are the rest
        for (const auto &[box, word] : placed)
            lowest = box.center().y() > lowest.center().y() ? box : lowest;
        for (const auto &[box, word] : placed)
            QVERIFY2(box.bottom() < lowest.top() ||
                         (box.top() < lowest.center().y() && box.bottom() > lowest.center().y()),
                     qPrintable(word + " runs into the footer"));
        count += placed.size();
    }
    QVERIFY(count > 50);
}

// Every line the case holds for the sheet.
QStringList sheetLines(const CaseRecord &record)
{
    QStringList lines;
    for (const MethodRecord &method : record.methods) {
        for (const auto &[label, value] : method.sheetEntries)
            lines << label + value;
        for (const SheetSection &section : method.sheet) {
            lines << section.heading << section.paragraphs;
            for (const auto &[label, value] : section.rows)
                lines << label + value;
        }
    }
    return lines;
}

// The sheet's text, page by page: each page ends with its footer, which is
// taken away, and only the last holds the lines to sign.
void readPages(const QString &path, int pages, QString *text)
{
    const QStringList sheet = run("pdftotext", {"-raw", path, "-"}).split('\f', Qt::SkipEmptyParts);
    QCOMPARE(sheet.size(), pages);
    for (int i = 0; i < pages; ++i) {
        QString page = sheet[i];
        const QRegularExpression footer(
            QStringLiteral("\\s*Time of death estimate\\s*Page %1 of %2\\s*$")
                .arg(QLocale().toString(i + 1), QLocale().toString(pages)));
        QVERIFY2(page.contains(footer), qPrintable(page));
        QCOMPARE(page.count(QRegularExpression("Case:|Examined by:|Signature:")),
                 i == pages - 1 ? 3 : 0);
        *text += page.remove(footer) + '\n';
    }
}

} // namespace

class CaseSheetTest : public QObject
{
    Q_OBJECT

    QPointer<frmQuorrelEstimator> form;
    MessageWatcher *messages = nullptr;
    QTemporaryDir home;

    void calculate(const QStringList &entries) { enterAndCalculate(form, entries); }

    // Presses a print key and closes the dialog it opens; returns its title.
    QString printDialogTitle(const std::function<void()> &press)
    {
        QString title;
        QTimer answer;
        answer.setInterval(5);
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || qobject_cast<QMessageBox *>(dialog) || !title.isNull())
                return;
            title = dialog->windowTitle();
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        answer.start();
        press();
        return title;
    }

    // Exports the sheet (File > Export Case Sheet as PDF in the main window,
    // or the button of the window given) and answers Qt's file dialog with a
    // path; returns the name the dialog first suggested. A dialog still open
    // after its answer (a replace question said No) is cancelled.
    QString saveAs(const QString &path, QWidget *window = nullptr)
    {
        QString suggested;
        QTimer answer;
        answer.setInterval(5);
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            if (!suggested.isNull()) {
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                return;
            }
            suggested = dialog->selectedFiles().value(0);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        answer.start();
        if (auto *button = qobject_cast<QAbstractButton *>(window))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            controls(form).mnuExportCaseSheet->trigger();
        return suggested;
    }

    // Presses Ctrl+P in the main window and prints to a file through Qt's
    // print dialog, on the paper picked in its Properties where one is given;
    // returns the file name the dialog first suggested.
    QString printToFile(const QString &path, const QString &paper = {})
    {
        QString suggested;
        QTimer answer;
        answer.setInterval(5);
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || qobject_cast<QMessageBox *>(dialog) || !suggested.isNull())
                return;
            auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            if (!file || !printers)
                return;
            suggested = file->text();
            printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)"
            if (!paper.isEmpty()) { // Properties is answered once it is open
                QTimer::singleShot(0, this, [&] {
                    QWidget *properties = QApplication::activeModalWidget();
                    auto *sizes = properties->findChild<QComboBox *>("pageSizeCombo");
                    sizes->setCurrentIndex(sizes->findText(paper, Qt::MatchStartsWith));
                    QMetaObject::invokeMethod(properties, "accept", Qt::QueuedConnection);
                });
                dialog->findChild<QPushButton *>(QStringLiteral("properties"))->click();
            }
            file->setText(path);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        answer.start();
        pressIn(nullptr, Qt::Key_P);
        return suggested;
    }

    // After Calculate, the rest of the longest case a sheet holds: the
    // nomogram's entries uncertain, a last sighting and every sign picked.
    void enterWholeScene()
    {
        QVERIFY(estimateHenssge(form, "70"));
        QTest::mouseClick(loadedHenssgeForm()->chkUncertain, Qt::LeftButton);
        QTest::mouseClick(loadedHenssgeForm()->cmdEstimate, Qt::LeftButton);
        pressIn(nullptr, Qt::Key_D);
        frmSigns &signs = signsForm();
        QTest::keyClicks(signs.txtLastSeen, "11:30 AM");
        QTest::keyClick(signs.cboLastSeenDay, Qt::Key_Up);
        for (QComboBox *pick : signs.cboSigns)
            QTest::keyClick(pick, Qt::Key_Down);
        QTest::mouseClick(signs.cmdCombine, Qt::LeftButton);
    }

    // Ctrl with a key, with the focus where a person would have it.
    void pressIn(QWidget *window, Qt::Key key)
    {
        if (!window)
            window = controls(form).txtAmbRoomTemp;
        window->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window->window()));
        QTest::keyClick(window, key, Qt::ControlModifier);
    }

private slots:
    void initTestCase()
    {
        // A home of our own with a Documents folder, where the dialog points.
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QDir(home.path()).mkdir("Documents"));
        // The program's own set-up, as its main makes it.
        ignoreFileSizeLimitSignal();
        setUpApplication();
        // The sheet's own paper is chosen from the locale: A4 here.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    void init()
    {
        messages = new MessageWatcher;
        startWithMidnightSet(form);
    }
    void cleanup()
    {
        delete messages;
        unloadAllWindows(form);
    }

    // Printing costs nothing until it is used: neither Qt Print Support nor
    // the module is loaded before the first print, both are after it.
    void printingLoadsOnFirstPrint()
    {
        QVERIFY2(!mappedFiles().contains("libQt6PrintSupport"), "loaded at start-up");
        QVERIFY2(!mappedFiles().contains("quorrel-print"), "loaded at start-up");
        calculate({"60", "80", "75", "2"});
        QTimer answer;
        answer.setInterval(5);
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (dialog && !qobject_cast<QMessageBox *>(dialog))
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        answer.start();
        pressIn(nullptr, Qt::Key_P);
        QVERIFY(messages->seen.isEmpty());
        QVERIFY(mappedFiles().contains("libQt6PrintSupport"));
        QVERIFY(mappedFiles().contains("quorrel-print"));
    }

    // The worked example's sheet, read back by poppler's own tools: every
    // entry as typed, the result and its sentence are real text, and the
    // curve's part of the page is drawn.
    void savesTheShownEstimate()
    {
        calculate({"60", "80", "75", "2"});
        const QString sentence = controls(form).txtTimeDead->toolTip();
        // Edited since: the sheet records what Calculate used.
        QTest::keyClicks(controls(form).txtCorpseTemp, "9");
        QTemporaryDir folder;
        const QString path = folder.filePath("sheet.pdf");
        const QString suggested = saveAs(path);
        QVERIFY(messages->seen.isEmpty());
        QCOMPARE(QFileInfo(suggested).absolutePath(), home.filePath("Documents"));
        QVERIFY2(QRegularExpression("^time-of-death-\\d{4}-\\d\\d-\\d\\d-\\d{4}\\.pdf$")
                     .match(QFileInfo(suggested).fileName())
                     .hasMatch(),
                 qPrintable(suggested));

        const QString text = run("pdftotext", {"-layout", path, "-"}).simplified();
        const QString deg = QStringLiteral(" \u00B0F");
        for (const QString &expected :
             {QStringLiteral("Time of death estimate"),
              QStringLiteral("Time the body was found: 12:00:00 AM"), "Room temperature: 60" + deg,
              "Body temperature when found: 80" + deg, "Second body temperature: 75" + deg,
              QStringLiteral("Hours between the two readings: 2 hours"),
              QStringLiteral("Estimated time of death: 7:25:44 PM"), sentence.simplified(),
              QStringLiteral("Newton's law of cooling"), QStringLiteral("Case:"),
              QStringLiteral("Examined by:"), QStringLiteral("Signature:")})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in: " + text));
        QVERIFY2(!text.contains("809"), "the edited entry reached the sheet");
        const QString info = run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Title: +Time of death estimate")),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Creator: +Quorrel")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Page size: .*\\(A4\\)")), qPrintable(info));
        // Every font embedded: the last column but one of pdffonts says "yes".
        const QStringList fonts = run("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString &font : fonts)
            QVERIFY2(font.contains(QRegularExpression(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$")),
                     qPrintable(font));

        // The page rendered: the band where the curve lies holds colour.
        QVERIFY(run("pdftoppm", {"-r", "40", "-png", "-singlefile", path, folder.filePath("page")})
                    .isEmpty());
        const QImage page(folder.filePath("page.png"));
        QVERIFY(!page.isNull());
        int coloured = 0;
        for (int y = page.height() / 2; y < page.height() * 4 / 5; ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                coloured += c.blue() > c.red() + 40;
            }
        QVERIFY2(coloured > 50, qPrintable(QString::number(coloured)));
    }

    // What the sheet says is true as printed, in the user's locale and time
    // zone, and nothing lies outside the page's margins whatever was typed.
    // Every line reaches the paper, on as many pages as it takes, each with
    // the sheet's title and number; the lines to sign end the last page.
    void sheetSaysOnlyWhatIsTrue_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("absent");
        QTest::addColumn<bool>("scene");    // the whole scene besides the entries
        QTest::addColumn<QString>("paper"); // not the locale's own: picked when printing
        QTest::addColumn<int>("pages");
        const QString deg = QStringLiteral(" \u00B0F");
        for (const char *locale : {"en_US", "de_DE", "ar_EG"})
            for (const char *paper : {"A4", "Letter"})
                QTest::addRow("the whole scene, %s on %s", locale, paper)
                    << locale << QByteArray() << QStringList{"60", "80", "75", "2"} << QStringList()
                    << (QLatin1String(locale) == "ar_EG" ? QStringList{"95 %"} : QStringList())
                    << true << paper << 3;
        // Warmer: the nomogram's most likely time after the sighting.
        QTest::newRow("the nomogram's distribution within the sighting, its assumption named")
            << "en_US" << QByteArray() << QStringList{"60", "84", "80", "2"}
            << QStringList{"11:36 AM and 3:36 PM the day before discovery (95 %), median 1:04 PM "
                           "the day before discovery; 81 % of its distribution lies between"}
            << QStringList() << true << "Letter" << 3;
        QTest::newRow("decimal readings carry no binary noise")
            << "en_GB" << QByteArray() << QStringList{"70", "79.9", "75.3", "2"}
            << QStringList{"fell from 9.9" + deg + " to 5.3" + deg,
                           "t = 2 \u00D7 log(28.6 / 9.9) / log(9.9 / 5.3) = 3.39573 hours"}
            << QStringList{"9.90000000000001", "-3.39"} << false << "A4" << 1;
        QTest::newRow("German: one decimal comma on the whole sheet")
            << "de_DE" << QByteArray() << QStringList{"70", "79,9", "75,3", "2"}
            << QStringList{"fell from 9,9" + deg + " to 5,3" + deg,
                           "(98,6" + deg + " less the room's 70" + deg + ")", "98,6" + deg,
                           "moves this by up to"}
            << QStringList{"98.6", "0.1"} << false << "A4" << 1;
        QTest::newRow("a typed entry longer than the line wraps inside the margins")
            << "en_GB" << QByteArray() << QStringList{QString(300, '0') + "60", "80", "75", "2"}
            << QStringList{QString(300, '0') + "60" + deg} << QStringList() << false << "A4" << 1;
        QTest::newRow("the sheet's time names its offset from UTC")
            << "en_GB" << QByteArray("UTC-14") << QStringList{"60", "80", "75", "2"}
            << QStringList{"UTC+14:00"} << QStringList() << false << "A4" << 1;
        // Made at a time in the 12-hour form of every other time on it.
        QTest::newRow("German: the sheet's own time as its other times")
            << "de_DE" << QByteArray("UTC") << QStringList{"60", "80", "75", "2"}
            << QStringList{"M UTC+00:00"} << QStringList() << false << "A4" << 1;
        QTest::newRow("below absolute zero: doubtful, and said so")
            << "en_GB" << QByteArray() << QStringList{"100", "-470", "-480", "2"}
            << QStringList{"Doubtful: the first reading is below absolute zero (-459.67" + deg +
                               "), which no temperature can be.",
                           "These readings make the estimate doubtful"}
            << QStringList() << false << "A4" << 1;
    }
    void sheetSaysOnlyWhatIsTrue()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, zone);
        QFETCH(QStringList, entries);
        QFETCH(bool, scene);
        QFETCH(QString, paper);
        QFETCH(int, pages);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, absent);
        QLocale::setDefault(QLocale(locale));
        const QByteArray oldZone = qgetenv("TZ");
        if (!zone.isEmpty())
            qputenv("TZ", zone);
        const auto restore = qScopeGuard([&] {
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
            qputenv("TZ", oldZone);
        });
        calculate(entries);
        if (scene)
            enterWholeScene();
        QTemporaryDir folder;
        const QString path = folder.filePath("sheet.pdf");
        casePaper().key() == paper ? saveAs(path) : printToFile(path, paper);
        QVERIFY(messages->seen.isEmpty());
        QVERIFY(run("pdfinfo", {path})
                    .contains(QRegularExpression("Page size: .*\\(" + paper + "\\)",
                                                 QRegularExpression::CaseInsensitiveOption)));
        expected += sheetLines(*currentCase().record());
        QString text;
        readPages(path, pages, &text);
        // Lines broken by the page's width, even inside a long word, are
        // joined before comparing: spaces, and the marks that keep a formula
        // left to right, which poppler does not give back, are left out.
        const auto joined = [](QString words) {
            return words.remove(QRegularExpression("[\\s\\p{Cf}]"));
        };
        const QString sheet = joined(text);
        for (const QString &words : expected)
            QVERIFY2(sheet.contains(joined(words)), qPrintable(words + " not in: " + text));
        text = text.replace(QRegularExpression("\\n(?=[0-9])"), "").simplified();
        for (const QString &words : absent)
            QVERIFY2(!text.contains(words), qPrintable(words + " in: " + text));
        everyWordInsideTheMargins(path);
    }

    // An estimate made in the Henssge window joins the sheet as a section of
    // its own, inside the margins with Newton's; from one reading it is the
    // sheet's only estimate.
    void henssgeSectionJoinsTheSheet_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("absent");
        const QString deg = QStringLiteral(" \u00B0F");
        const QStringList henssge{
            QStringLiteral("Henssge nomogram"), QStringLiteral("Body mass: 70 kg"),
            QStringLiteral("About 14 h 20 min before the body was found (95 % limits "
                           "\u00B12.8 h): died between 6:52 AM and 12:28 PM the day before "
                           "discovery, most likely about 9:40 AM."),
            QStringLiteral("the band 1 \u2265 Q > 0.5")};
        QTest::newRow("beside Newton's")
            << QStringList{"60", "80", "75", "2"}
            << henssge + QStringList{"At 2:00 AM the method expects 77.72" + deg + "; 75" + deg +
                                         " was measured",
                                     QStringLiteral("Estimated time of death: 7:25:44 PM")}
            << QStringList();
        QTest::newRow("from one reading, alone")
            << QStringList{"60", "80"}
            << henssge + QStringList{QStringLiteral("Time the body was found: 12:00:00 AM")}
            << QStringList{QStringLiteral("Estimated time of death"), QStringLiteral("Newton"),
                           QStringLiteral("method expects")};
    }
    void henssgeSectionJoinsTheSheet()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, absent);
        if (entries.size() == 4) {
            calculate(entries);
        } else {
            QTest::keyClicks(controls(form).txtAmbRoomTemp, entries.at(0));
            QTest::keyClicks(controls(form).txtCorpseTemp, entries.at(1));
        }
        QVERIFY(estimateHenssge(form, "70"));
        QTemporaryDir folder;
        const QString path = folder.filePath("sheet.pdf");
        saveAs(path);
        QVERIFY(messages->seen.isEmpty());
        const QString text = run("pdftotext", {"-raw", path, "-"}).simplified();
        for (const QString &phrase : expected)
            QVERIFY2(text.contains(phrase), qPrintable(phrase + " not in: " + text));
        for (const QString &phrase : absent)
            QVERIFY2(!text.contains(phrase), qPrintable(phrase + " in: " + text));
    }

    // A method the curve and the sheet have never heard of is drawn, named
    // and printed from what its own record carries.
    void anyMethodIsDrawnAndPrinted()
    {
        calculate({"60", "80", "75", "2"});
        CaseRecord record = *currentCase().record();
        MethodRecord made = record.methods.first();
        made.key = QStringLiteral("made-up");
        made.name = QStringLiteral("Made-up method");
        made.look = {Qt::DotLine, false, Qt::CrossPattern, CurveLook::Mark::Square};
        made.namedAlone = true;
        made.deathLabel = [](quorrel::ClockTime, bool, bool) {
            return QStringLiteral("Made-up: died");
        };
        made.inWords = [](quorrel::ClockTime, bool, bool) {
            return QStringLiteral("Made-up method, dotted line: a curve for the test.");
        };
        made.wordsNameTheRoom = false;
        made.sheetEntries = {{QStringLiteral("Made-up entry:"), QStringLiteral("42 units")}};
        made.sheet = {{QStringLiteral("Made-up section"),
                       {{QStringLiteral("Made-up row:"), QStringLiteral("7")}},
                       {QStringLiteral("Made-up paragraph.")}}};
        record.methods.append(made);
        currentCase().publish(record);

        // In the curve window: its summary, its legend and the cursor.
        pressIn(nullptr, Qt::Key_G);
        frmCoolingCurve *curve = loadedCurveForm();
        QVERIFY(curve && QTest::qWaitForWindowActive(curve));
        QVERIFY2(curve->picCurve->accessibleDescription().contains(
                     "Made-up method, dotted line: a curve for the test."),
                 qPrintable(curve->picCurve->accessibleDescription()));
        curve->picCurve->setFocus();
        QTest::keyClick(curve->picCurve, Qt::Key_End);
        QVERIFY2(curve->picCurve->accessibleName().contains("Made-up method 75"),
                 qPrintable(curve->picCurve->accessibleName()));
        const CurveLayout layout =
            layOutCurve(QRectF(0, 0, 900, 600), windowFont(), &*currentCase().record());
        QStringList words;
        for (const PlotText &text : layout.texts)
            words.append(text.text);
        QVERIFY2(words.contains("Made-up method") && words.contains("Made-up: died"),
                 qPrintable(words.join(" | ")));

        // On the sheet, its entries and its section.
        QTemporaryDir folder;
        const QString path = folder.filePath("sheet.pdf");
        saveAs(path, curve);
        QVERIFY(messages->seen.isEmpty());
        const QString text = run("pdftotext", {"-raw", path, "-"}).simplified();
        for (const char *phrase : {"Made-up entry: 42 units", "Made-up section", "Made-up row: 7",
                                   "Made-up paragraph.", "Estimated time of death: 7:25:44 PM"})
            QVERIFY2(text.contains(QLatin1String(phrase)), qPrintable(text));
    }

    // A folder that cannot be written: one message naming the file and the
    // reason, and nothing left behind.
    void readOnlyFolderGivesTheMessage()
    {
        calculate({"60", "80", "75", "2"});
        QTemporaryDir scratch;
        QString folder = scratch.path();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        // Root writes whatever a folder's permissions say; a folder of the
        // kernel's own refuses even root.
        if (geteuid() == 0)
            folder = QStringLiteral("/proc/self/fdinfo");
        const QString path = QDir(folder).filePath("sheet.pdf");
        saveAs(path);
        QCOMPARE(messages->seen.size(), 1);
        QCOMPARE(messages->seen[0].title, "Case Sheet Not Saved");
        QVERIFY2(messages->seen[0].text.startsWith("The case sheet could not be saved as " + path +
                                                   ": "),
                 qPrintable(messages->seen[0].text));
        QVERIFY(!QFileInfo::exists(path));
        QFile::setPermissions(scratch.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QDir(scratch.path()).isEmpty());
    }

    // A disk that fills while the sheet is written, or a limit on the size of
    // a file: saving and printing to a file both say so, with the file and
    // the reason, leave nothing under the name and an earlier sheet there
    // whole. A full tmpfs fails the write with room for all of the sheet but
    // its last block, where it is most likely to go unnoticed.
    void fullDiskGivesTheMessage_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("smallDisk"); // a real full tmpfs, else a file-size limit
        QTest::addColumn<bool>("earlier");   // a sheet under the name already
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("error");
        const QString saved = "The case sheet could not be saved as %1: %2.";
        const QString printed = "The case sheet could not be printed to %1: %2.";
        QTest::newRow("saved past a file-size limit") << false << false << false << saved << EFBIG;
        QTest::newRow("printed to a file past a file-size limit")
            << true << false << false << printed << EFBIG;
        QTest::newRow("saved onto a full disk") << false << true << false << saved << ENOSPC;
        QTest::newRow("saved over an earlier sheet onto a full disk")
            << false << true << true << saved << ENOSPC;
        QTest::newRow("printed to a file onto a full disk")
            << true << true << false << printed << ENOSPC;
        QTest::newRow("printed over an earlier sheet onto a full disk")
            << true << true << true << printed << ENOSPC;
    }
    void fullDiskGivesTheMessage()
    {
        QFETCH(bool, print);
        QFETCH(bool, smallDisk);
        QFETCH(bool, earlier);
        QFETCH(QString, words);
        QFETCH(int, error);
        QTemporaryDir scratch;
        if (smallDisk && !qEnvironmentVariableIsSet(kSmallDisk)) {
            bool made = false;
            const QString failed = runOnSmallDisk(scratch.path(), &made);
            if (!made)
                QSKIP(qPrintable("no user and mount namespace for a small disk here: " + failed));
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
            return;
        }
        const QString disk = smallDisk ? qEnvironmentVariable(kSmallDisk) : scratch.path();
        const QString folder = QDir(disk).filePath("sheets");
        QVERIFY(QDir(disk).mkdir("sheets"));
        const QString path = QDir(folder).filePath("sheet.pdf");
        const auto make = [&] { print ? printToFile(path) : saveAs(path); };
        calculate({"60", "80", "75", "2"});
        // A sheet made first, the same way: the earlier one, and on the small
        // disk the measure of how much room a sheet needs.
        QByteArray before;
        if (earlier || smallDisk) {
            make();
            QVERIFY(messages->seen.isEmpty());
            QFile first(path);
            QVERIFY(first.open(QIODevice::ReadOnly));
            before = first.readAll();
            if (!earlier)
                QVERIFY(first.remove());
        }
        ReplaceFiles replace;
        qApp->installEventFilter(&replace);
        if (smallDisk) {
            const qint64 block = QStorageInfo(disk).blockSize();
            fillDiskLeaving(disk, (before.size() - 1) / block * block);
            if (QTest::currentTestFailed())
                return;
            make();
        } else {
            FileSizeLimit limit;
            make();
        }
        QList<SeenMessage> said; // besides the save dialog's question to replace
        for (const SeenMessage &message : std::as_const(messages->seen))
            if (!message.text.contains("already exists"))
                said << message;
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].title, print ? "Case Sheet Not Printed" : "Case Sheet Not Saved");
        QCOMPARE(said[0].text, words.arg(path, QString::fromLocal8Bit(strerror(error))));
        if (earlier) {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QVERIFY2(kept.readAll() == before, "the earlier sheet was overwritten");
            const QString info = run("pdfinfo", {path});
            QVERIFY2(info.contains(QRegularExpression("Pages: +1")), qPrintable(info));
        }
        QCOMPARE(everythingUnder(folder), earlier ? QStringList{"sheet.pdf"} : QStringList());
    }

    // The file chosen is the only file written: Qt's dialogs keep no history
    // of folders in the home folder (~/.config/QtProject.conf).
    void writesNoOtherFile()
    {
        calculate({"60", "80", "75", "2"});
        const QStringList before = everythingUnder(home.path());
        saveAs(home.filePath("Documents/saved.pdf"));
        printToFile(home.filePath("Documents/printed.pdf"));
        QVERIFY(messages->seen.isEmpty());
        QStringList expected = before + QStringList{"Documents/printed.pdf", "Documents/saved.pdf"};
        expected.sort();
        QCOMPARE(everythingUnder(home.path()), expected);
        QVERIFY(!QFileInfo::exists(home.filePath(".config/QtProject.conf")));
    }

    // A name typed without an extension gets ".pdf", and the question about
    // replacing a file concerns that name.
    void typedNameGetsPdf()
    {
        calculate({"60", "80", "75", "2"});
        QTemporaryDir folder;
        saveAs(folder.filePath("sheet"));
        QCOMPARE(everythingUnder(folder.path()), QStringList{"sheet.pdf"});
        QVERIFY(messages->seen.isEmpty());
        const QDateTime written = QFileInfo(folder.filePath("sheet.pdf")).lastModified();
        saveAs(folder.filePath("sheet"));
        QCOMPARE(messages->seen.size(), 1);
        QVERIFY2(messages->seen[0].text.startsWith("sheet.pdf already exists."),
                 qPrintable(messages->seen[0].text));
        // Answered No: the sheet stays as it was.
        QCOMPARE(QFileInfo(folder.filePath("sheet.pdf")).lastModified(), written);
        QCOMPARE(everythingUnder(folder.path()), QStringList{"sheet.pdf"});
    }

    // Print to file starts where Save does: the Documents folder and the
    // sheet's dated name.
    void printToFileSuggestsTheSaveName()
    {
        calculate({"60", "80", "75", "2"});
        QTemporaryDir folder;
        const QString saved = saveAs(folder.filePath("saved.pdf"));
        const QString printed = printToFile(folder.filePath("printed.pdf"));
        QCOMPARE(QFileInfo(printed).absolutePath(), QFileInfo(saved).absolutePath());
        QVERIFY2(QRegularExpression("^time-of-death-\\d{4}-\\d\\d-\\d\\d-\\d{4}\\.pdf$")
                     .match(QFileInfo(printed).fileName())
                     .hasMatch(),
                 qPrintable(printed));
        QCOMPARE(everythingUnder(folder.path()), (QStringList{"printed.pdf", "saved.pdf"}));
    }

    // The curve window's Save as PDF exports the same sheet; Ctrl+P prints
    // while the curve window has the focus.
    void curveWindowTakesTheShortcuts()
    {
        calculate({"60", "80", "75", "2"});
        frmCoolingCurve &curve = curveForm();
        curve.show();
        curve.picCurve->setFocus();
        QTemporaryDir folder;
        saveAs(folder.filePath("sheet.pdf"), curve.cmdSavePdf);
        QVERIFY(QFileInfo::exists(folder.filePath("sheet.pdf")));
        QCOMPARE(printDialogTitle([&] { pressIn(curve.picCurve, Qt::Key_P); }), "Print Case Sheet");
        QVERIFY(messages->seen.isEmpty());
    }

    // A printing module that cannot be used is named, once, with why; the
    // search stops at the first folder that holds one, and a module of
    // another kind or version is refused without being called.
    void unusableModuleIsNamed_data()
    {
        QTest::addColumn<QString>("module"); // where it comes from, or what it holds
        QTest::addColumn<QString>("why");    // after the file's name; %1 the folders
        QTest::newRow("none") << QString() << "the printing module quorrel-print is not in %1";
        QTest::newRow("corrupt") << "garbage"
                                 << " is not a valid ELF object (file too small)";
        QTest::newRow("a library from before the plugin")
            << "print-old"
            << " is not a Qt plugin (metadata not found)";
        QTest::newRow("another version")
            << "print-other"
            << " is not the printing module of this version of Quorrel: it offers "
               "org.quorrel.CaseSheetPrinter/0.9, not org.quorrel.CaseSheetPrinter/1.0";
        QTest::newRow("this version") << "." << QString();
    }
    void unusableModuleIsNamed()
    {
        QFETCH(QString, module);
        QFETCH(QString, why);
        QTemporaryDir first;
        // The real module lies in the second folder: a bad one before it
        // is reported, not passed over.
        const QString second = QCoreApplication::applicationDirPath();
        const QString file = first.filePath("quorrel-print.so");
        if (module == "garbage") {
            QFile bad(file);
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("garbage\n");
        } else if (!module.isNull()) {
            QVERIFY(QFile::copy(QDir(second).filePath(module + "/quorrel-print.so"), file));
        }
        const QStringList folders = module.isNull()
                                        ? QStringList{first.path(), first.filePath("lib")}
                                        : QStringList{first.path(), second};
        QString whyNot;
        const bool loaded = loadCaseSheetPrinter(folders, &whyNot) != nullptr;
        QCOMPARE(loaded, why.isNull());
        if (module.isNull())
            QCOMPARE(whyNot, why.arg(first.path() + " or " + first.filePath("lib")));
        else if (!loaded)
            QCOMPARE(whyNot, QFileInfo(file).canonicalFilePath() + why);
    }

    // Ctrl+P loads the printing module and opens the desktop's print dialog
    // on the sheet; closed, nothing is printed and nothing is said.
    void printOpensThePrintDialog()
    {
        calculate({"60", "80", "75", "2"});
        form->activateWindow();
        QCOMPARE(printDialogTitle([&] {
                     QTest::keyClick(controls(form).txtAmbRoomTemp, Qt::Key_P, Qt::ControlModifier);
                 }),
                 "Print Case Sheet");
        QVERIFY(messages->seen.isEmpty());
    }

    // Both commands, in the menu and in the curve window, only while the
    // result box shows an estimate.
    void commandsOnlyWithAnEstimate()
    {
        frmCoolingCurve &curve = curveForm();
        curve.show();
        const auto enabled = [&] {
            return QList<bool>{
                controls(form).mnuExportCaseSheet->isEnabled(), curve.cmdSavePdf->isEnabled(),
                controls(form).mnuPrintCaseSheet->isEnabled(), curve.cmdPrint->isEnabled()};
        };
        const QList<bool> on(4, true), off(4, false);
        QCOMPARE(enabled(), off);
        calculate({"60", "80", "75", "2"});
        QCOMPARE(enabled(), on);
        calculate({"60", "80", "75", "0"}); // fails: the last estimate stays
        QCOMPARE(enabled(), on);
        QTest::mouseClick(controls(form).cmdClear, Qt::LeftButton);
        QCOMPARE(enabled(), off);
    }
};

QTEST_MAIN(CaseSheetTest)
#include "casesheet_test.moc"
