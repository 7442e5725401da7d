#pragma once

#include "caserecord.h"
#include "henssgecase.h"
#include "numbers.h"
#include "signscase.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorrel::ui
{

// A case as a file: what the user typed, exactly as typed and with the
// separators of the locale it was typed in, and the estimates as they were
// shown, so that a reader of the file sees what the examiner saw. The file
// is JSON in UTF-8; a later Quorrel opens every earlier file.

inline constexpr int kCaseFormatVersion = 1;
inline const QString kCaseFormatName = QStringLiteral("quorrel-case");
inline const QString kCaseFileSuffix = QStringLiteral("quorrel");
// No case comes near it; anything larger is refused before it is read, and
// never written.
inline constexpr qint64 kCaseFileMaxBytes = 1024 * 1024;
// The most a box holds: a longer entry in a file would be cut on opening.
inline constexpr qsizetype kTypedMaxLength = 32767;

// One estimate as it was shown.
struct SavedResult {
    QString method; // "newton", "henssge"
    QString name;   // "Newton's law of cooling"
    QString timeOfDeath;
    double hoursBeforeDiscovery = 0.0;
    std::optional<double> spreadHours;
    QString sentence;
    QStringList notes;
    bool operator==(const SavedResult &) const = default;
};

struct CaseFile {
    int formatVersion = kCaseFormatVersion;
    QString writtenBy; // "Quorrel 1.0.0"
    QString savedAt;   // ISO 8601 with the offset from UTC
    QString localeName;
    // The separators the entries were typed with.
    NumberLocale locale;
    CaseEntries entries;
    // What the Henssge window's last estimate was made with, if one is shown.
    std::optional<HenssgeChoice> henssge;
    // What the signs of death were last combined from, if they were.
    std::optional<SignsEntries> signs;
    // What those windows' boxes held when saved, estimated or not; none
    // where the window was not used.
    std::optional<HenssgeChoice> henssgeWindow;
    std::optional<SignsEntries> signsWindow;
    QList<SavedResult> results;
    // The main window's entries the estimates were made from, where they
    // differ from what its boxes hold (a time set or a box changed after
    // Calculate): opening makes the estimates from these, then shows the
    // boxes as typed.
    std::optional<CaseEntries> estimatedFrom;
    // Members a later version wrote that this one does not know, at any
    // depth, in the objects that hold them: written back as they were so
    // that saving here does not lose them.
    QJsonObject later;
};

// The case as it stands, for saving.
CaseFile caseFileOf(const CaseEntries &entries, const std::optional<CaseRecord> &record,
                    const QString &writtenBy, const QDateTime &savedAt);

QByteArray writeCaseFile(const CaseFile &file);

// The file read, or why not in words that follow "<file> ": "is not JSON
// (line 3, column 7: unterminated string)".
struct CaseFileRead {
    std::optional<CaseFile> file;
    QString problem;
};
CaseFileRead readCaseFile(const QByteArray &bytes);

// A number typed with one locale's separators and digits, written as the
// same number with another's ("98,6" in German is "98.6" in English). A
// text that is not a number in the first stays as typed.
QString retypedNumber(const QString &typed, const NumberLocale &from, const NumberLocale &to);

// The entries and the Henssge choice as the reader's locale writes them.
CaseEntries entriesFor(const CaseFile &file, const NumberLocale &reader);
std::optional<HenssgeChoice> henssgeChoiceFor(const std::optional<HenssgeChoice> &saved,
                                              const CaseFile &file, const NumberLocale &reader);

// The estimates made again on opening that differ from the ones saved, each
// named with both times and both sentences; empty where all agree to the
// second. Methods already explained (not made again, and said why) are left
// out.
QStringList changedResults(const CaseFile &file, const std::optional<CaseRecord> &record,
                           const QStringList &explained = {});

// Reads a case file from the disk: the file, or why not, as readCaseFile
// words it ("cannot be read: Permission denied").
CaseFileRead loadCaseFile(const QString &path);

// Writes the bytes whole or not at all: a file already there stays as it
// was unless every byte of the new one arrived. Bytes this Quorrel could
// not open again are refused before the disk is touched. Returns why it
// could not, or an empty text.
QString saveCaseFile(const QString &path, const QByteArray &bytes);

} // namespace quorrel::ui
