#pragma once

#include "clock.h"
#include "curve.h"

#include <QObject>
#include <QStringList>

#include <optional>

namespace quorrel::ui
{

// The estimate the result box shows, as Calculate made it: what the curve
// window draws and the case sheet records, whatever the boxes hold since.
struct CaseRecord {
    // The four entries as typed: room, first and second reading, hours.
    QStringList entries;
    Readings readings;
    ClockTime foundAt;
    ClockTime deathAt;
    // None where the readings make the estimate doubtful.
    std::optional<CoolingCurve> curve;
    // How far a reading off by a thermometer's resolution moves the time of
    // death, in minutes; none where it is unbounded.
    std::optional<double> spreadMinutes;
    // The result box's sentence: how long before discovery and how sure, or
    // which reading makes the estimate doubtful.
    QString sentence;
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
