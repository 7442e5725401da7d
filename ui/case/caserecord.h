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

// The case the result box shows, as Calculate made it: what the curve
// window draws and the case sheet records, whatever the boxes hold since.
// Henssge's estimate joins it when one is made for this case; a new
// Calculate starts the record afresh without it.
struct CaseRecord {
    ClockTime foundAt;
    MethodRecord newton;
    std::optional<MethodRecord> henssge = std::nullopt;
};

// The one record of the case that every window shows: the main window
// publishes to it, the others listen.
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
