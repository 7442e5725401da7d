#pragma once

#include "caserecord.h"
#include "filemembers.h"
#include "numbers.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorrel::ui
{

// A case as a file: what the user typed, exactly as typed and with the
// separators of the locale it was typed in, and the estimates as they were
// shown, so that a reader of the file sees what the examiner saw. The file
// is JSON in UTF-8; a later Quorrel opens every earlier file.

// The format's major version: a reader opens no later one. Its minor
// version: a reader opens a later one, keeping what it does not know.
// A case in °F is written as format 2.1, which a Quorrel without °C reads
// as it always did; a case in °C as format 3, which such a Quorrel refuses
// by name: it would take its temperatures for °F without a word.
inline constexpr int kCaseFormatVersion = 3;
inline constexpr int kFahrenheitFormatVersion = 2;
inline constexpr int kCaseFormatMinor = 1;
inline const QString kCaseFormatName = QStringLiteral("quorrel-case");
inline const QString kCaseFileSuffix = QStringLiteral("quorrel");
// No case comes near it; anything larger is refused before it is read, and
// never written.
inline constexpr qint64 kCaseFileMaxBytes = 1024 * 1024;

// One estimate as it was shown.
struct SavedResult {
    QString method; // the method's key
    QString name;   // "Newton's law of cooling"
    QString timeOfDeath;
    double hoursBeforeDiscovery = 0.0;
    std::optional<double> spreadHours;
    QString sentence;
    QStringList notes;
    bool operator==(const SavedResult &) const = default;
};

// A method's member of the file: what its estimate was made with, what its
// window's boxes held, estimated or not, and its estimate as shown; each
// empty or none where it has none. Only the method reads the first two.
struct MethodPart {
    QJsonObject estimatedWith;
    QJsonObject window;
    std::optional<SavedResult> result;
    bool operator==(const MethodPart &) const = default;
};

struct CaseFile {
    // As written: set from the unit of the entries.
    int formatVersion = kFahrenheitFormatVersion;
    int formatMinor = kCaseFormatMinor;
    QString writtenBy; // "Quorrel 1.0.0"
    QString savedAt;   // ISO 8601 with the offset from UTC
    QString localeName;
    // The separators the entries were typed with.
    NumberLocale locale;
    CaseEntries entries;
    // Each method's member by its key, of the methods this Quorrel has.
    QMap<QString, MethodPart> methods;
    // The main window's entries the estimates were made from, where they
    // differ from what its boxes hold (a time set or a box changed after
    // Calculate): opening makes the estimates from these, then shows the
    // boxes as typed.
    std::optional<CaseEntries> estimatedFrom;
    // Members a later version wrote that this one does not know, at any
    // depth, in the objects that hold them (a method this Quorrel lacks
    // whole): written back as they were so that saving here does not lose
    // them.
    QJsonObject later;
};

class CaseHolder;

// The main window's entries the case's estimates were made from: the boxes
// each estimate used, laid in the case's order over those on screen (`now`),
// at the time found the case was estimated for; none where no estimate used
// any.
std::optional<CaseEntries> entriesEstimatedFrom(const CaseRecord &record, const CaseEntries &now);

// The case as it stands, for saving: every method's part of it.
CaseFile caseFileOf(const CaseHolder &holder, const QString &writtenBy, const QDateTime &savedAt);

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

// The entries as the reader's locale writes them.
CaseEntries entriesFor(const CaseFile &file, const NumberLocale &reader);

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
