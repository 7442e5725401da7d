#pragma once

#include "clock.h"
#include "conditional.h"
#include "method.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtCore/qnamespace.h>

#include <functional>
#include <optional>
#include <utility>

namespace quorrel::ui
{

// One entry a method used, as the user typed it, with its unit.
struct CaseEntry {
    QString label; // "Room temperature"
    QString typed; // "60"
    QString unit;  // "°F", "hours"
};

// The unit a case's temperatures are typed and shown in. The methods work
// in °F: a °C entry is turned into the same °F exactly before they read it.
enum class TemperatureUnit { Fahrenheit, Celsius };

// The main window's entries as they stand: the time found as Set Time (or
// Calculate) accepted it, none while it is not set, and the four boxes as
// typed. Published on every edit, so that other windows never read the main
// window's controls.
struct CaseEntries {
    std::optional<ClockTime> foundAt;
    QString room;
    QString body;
    QString secondBody;
    QString hoursBetween;
    TemperatureUnit unit = TemperatureUnit::Fahrenheit;
    bool operator==(const CaseEntries &) const = default;
};

// How a method's curve is told apart from the others, in any colour or none.
struct CurveLook {
    enum class Mark { Diamond, Square };
    Qt::PenStyle line = Qt::SolidLine;
    // In the highlight colour and broad, or in ink.
    bool accent = true;
    // How its interval around the time of death is filled.
    Qt::BrushStyle band = Qt::SolidPattern;
    // The mark at its time of death: filled diamond or hollow square.
    Mark death = Mark::Diamond;
};

// Death no earlier than `earliest` and no later than `latest` hours before
// the body was found; no earliest where nothing bounds how early.
struct HoursBeforeDiscovery {
    std::optional<double> earliest = 0.0;
    double latest = 0.0;
};

// Label and value, side by side on the case sheet.
using SheetRow = std::pair<QString, QString>;

// A section a method adds to the case sheet.
struct SheetSection {
    QString heading;
    QList<SheetRow> rows = {};
    QStringList paragraphs = {};
};

struct CaseRecord;

// One method's estimate as the record keeps it: what it used, what came out
// in the shape every method shares, and everything the curve, its summary
// and the sheet say of it, so that none of them asks which method it is.
struct MethodRecord {
    // Which method made it, for the case's own rules only.
    QString key;
    QString name; // "Newton's law of cooling": the legend and the cursor
    QList<CaseEntry> entries;
    MethodResult result;
    ClockTime deathAt;
    QString sentence;
    // Further lines a method has to say: how it came to its result, and what
    // a check against other readings found.
    QStringList notes = {};

    CurveLook look = {};
    // Named on the curve and given a legend even when it is drawn alone.
    bool namedAlone = false;
    // Its interval is shown whole, widening the view; otherwise it runs to
    // the view's edge (a spread that can be any width).
    bool intervalInView = false;
    // Its interval ends when the body was found, as its sentence does.
    bool intervalEndsAtDiscovery = false;
    // The label at its time of death and its words in the curve's summary;
    // both depend on the whole picture: whether it names days, and whether
    // more than one method is named.
    std::function<QString(ClockTime foundAt, bool withDay, bool named)> deathLabel = {};
    std::function<QString(ClockTime foundAt, bool withDay, bool named)> inWords = {};
    // Whether those words name the room already.
    bool wordsNameTheRoom = false;

    // Its interval combines the other methods' evidence: a time of death of
    // theirs outside it is said to be so where they are printed.
    bool combinesOthers = false;

    // Where its entries were given as uncertain, the widest interval they
    // allow: the one other evidence is weighed against, not the exact one.
    std::optional<HoursBeforeDiscovery> prudent = std::nullopt;

    // The interval it states for a combination of evidence to weigh, and
    // the words that name it there; none where it states none.
    struct Weighed {
        HoursBeforeDiscovery hours;
        // Where it set an end: "the nomogram's 95 % limit"; where another
        // record's interval is weighed too, words that tell them apart.
        QString name;
        QString nameAmongOthers;
        // Its own line begins: "Henssge's nomogram, 95 % limits ±2.8 h".
        QString heading;
        // On the curve's label: "nomogram", and among others.
        QString tag;
        QString tagAmongOthers;
    };
    std::optional<Weighed> weighed = std::nullopt;
    // Why a method that could have been weighed was not, for this estimate.
    QString notWeighed = {};

    // Its exact estimate as a distribution, where its error is known to be
    // normal (a nomogram's published limits are two standard deviations):
    // what a probability within other bounds is taken from.
    std::optional<NormalEstimate> distribution = std::nullopt;

    // What it was made with, as its method keeps it in a case file: the
    // same again makes the same estimate. Empty where the main window's
    // entries alone made it.
    QJsonObject madeWith = {};
    // The main window's entries it was made from, the boxes it did not use
    // left empty: what the case file says the estimates were made from when
    // the boxes have changed since. None where it used none of them.
    std::optional<CaseEntries> mainEntries = std::nullopt;

    // Rows under the sheet's own entries, and sections of its own.
    QList<SheetRow> sheetEntries = {};
    QList<SheetSection> sheet = {};

    // A record made from the other methods' estimates (the whole scene) is
    // made again from the case as it stands whenever the case is published,
    // so that it never shows a nomogram's interval the case no longer holds;
    // none where it no longer applies to the case. Empty for a record that
    // stands on its own entries.
    std::function<std::optional<MethodRecord>(const CaseRecord &others)> remake = {};
};

// The case as its estimates made it: what the result box, the curve window
// and the case sheet show, whatever the boxes hold since. At least one
// method is there, in the order the curve and the sheet give them.
struct CaseRecord {
    ClockTime foundAt;
    QList<MethodRecord> methods;

    // The method of that key, or none.
    const MethodRecord *method(const QString &key) const;
};

// The case with each record made from the others made again from them, or
// left out where it no longer applies.
CaseRecord remadeFromOthers(CaseRecord record);

// The records made from the others that `from` holds, added to `to` where it
// has none of their key, for a publish to make them again.
void carryRemade(CaseRecord &to, const std::optional<CaseRecord> &from);

// The estimates with a curve to draw, in the record's order.
QList<const MethodRecord *> drawnMethods(const CaseRecord &record);

// The records with no curve that still bound the time of death from both
// sides: drawn as an interval on the time axis alone.
QList<const MethodRecord *> intervalsAlone(const CaseRecord &record);

// The hours from discovery the curves span together: from the earliest death
// to the latest end. None where no estimate has a curve.
std::optional<std::pair<double, double>> curveSpan(const CaseRecord &record);

// Whether the curve's times name their day: where the picture spans more than
// a day, a clock time alone would not say which.
bool curveNamesDays(const CaseRecord &record);

} // namespace quorrel::ui
