#pragma once

#include "caserecord.h"
#include "clock.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace quorrel::ui
{

// A time on the clock and its day, counted from the day of discovery (0;
// -1 the day before).
struct DayClock {
    ClockTime time;
    std::int64_t day = 0;
    bool operator==(const DayClock &) const = default;
};

// Hours from the discovery to such a moment; negative before it.
double hoursFromDiscovery(ClockTime foundAt, DayClock at);

// What the signs window held when Combine was pressed.
struct SignsChoice {
    DayClock examinedAt;
    std::optional<DayClock> lastSeenAt;
    // The findings made, as rows of signsOfDeath(), at most one a sign.
    QList<std::size_t> rows;
    bool operator==(const SignsChoice &) const = default;
};

// The signs window's entries as they stand, combined or not: the times as
// typed, each with its day.
struct SignsEntries {
    QString examinedAt;
    std::int64_t examinedDay = 0;
    QString lastSeenAt;
    std::int64_t lastSeenDay = 0;
    QList<std::size_t> rows;
    bool operator==(const SignsEntries &) const = default;
};

// A time of day as typed: "2:30 AM" or "2:30:00 AM", am or pm in any case.
std::optional<ClockTime> clockOf(const QString &typed);

// The entries a choice was made from, and the choice entries make; none
// where a time is not a time of day.
SignsEntries signsEntriesOf(const SignsChoice &choice);
std::optional<SignsChoice> signsChoiceFrom(const SignsEntries &entries);

// Why nothing was combined, checked in this order, for the window to word.
enum class SignsProblem {
    None,
    NoTimeFound,
    ExaminedBeforeDiscovery,
    SeenAfterDiscovery,
};

// Why the signs were not combined, in words that say what to enter instead.
QString signsRefusalText(SignsProblem problem, const SignsChoice &choice,
                         const CaseEntries &entries);

struct SignsOutcome {
    SignsProblem problem = SignsProblem::None;
    // The case with the combination in it.
    std::optional<CaseRecord> record;
};

// The signs found, the last sighting and the nomogram's 95 % interval, where
// the case holds one, combined with the discovery for the time found in the
// main window. The case held for that time found keeps its estimates; a case
// of another time found is left for one of its own.
SignsOutcome combineSignsCase(const CaseEntries &entries, const SignsChoice &choice,
                              const std::optional<CaseRecord> &current);

// The choice a combination in the record was made with, as the window shows
// it again; none where the record has none.
std::optional<SignsChoice> signsChoiceOf(const CaseRecord &record);

// The entries as a case file keeps them: the findings by stable ids.
QJsonObject signsObject(const SignsEntries &entries);
SignsEntries signsEntriesIn(const QJsonObject &object);

// The signs' part of a case.
struct CaseMethod;
CaseMethod signsCaseMethod();

// The signs window's boxes as the case keeps them.
class CaseHolder;
std::optional<SignsEntries> signsWindowEntries(const CaseHolder &holder);
void keepSignsWindowEntries(CaseHolder &holder, const SignsEntries &entries, bool edited);

} // namespace quorrel::ui
