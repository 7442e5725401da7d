#pragma once

#include "clock.h"
#include "method.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorrel::ui
{

// One entry a method used, as the user typed it, with its unit.
struct CaseEntry {
    QString label; // "Room temperature"
    QString typed; // "60"
    QString unit;  // "°F", "hours"
};

// One method's estimate as the record keeps it: what it used, what came out
// in the shape every method shares, and the sentence on how far to trust it.
struct MethodRecord {
    QString name; // "Newton's law of cooling"
    QList<CaseEntry> entries;
    MethodResult result;
    ClockTime deathAt;
    QString sentence;
    // Further lines a method has to say: how it came to its result, and what
    // a check against other readings found.
    QStringList notes = {};
};

// The case as its estimates made it: what the result box, the curve window
// and the case sheet show, whatever the boxes hold since. Calculate makes
// Newton's part; Henssge's joins it for the same case, or makes a record of
// its own from one reading. At least one of the two is there.
struct CaseRecord {
    ClockTime foundAt;
    std::optional<MethodRecord> newton;
    std::optional<MethodRecord> henssge = std::nullopt;

    // The estimates in the order the curve and the sheet give them.
    QList<const MethodRecord *> methods() const;
};

// The one record of the case that every window shows: the main window and
// Henssge's publish to it, every window listens.
class CaseHolder : public QObject
{
    Q_OBJECT
public:
    // None before the first estimate and after Clear.
    const std::optional<CaseRecord> &record() const { return m_record; }
    void publish(const CaseRecord &record);
    void clear();

signals:
    void changed();

private:
    std::optional<CaseRecord> m_record;
};

// The program's case.
CaseHolder &currentCase();

} // namespace quorrel::ui
