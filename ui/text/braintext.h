#pragma once

#include "brain.h"
#include "caserecord.h"
#include "clock.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quorrel::ui
{

// Which method a record is, for the case's own rules.
inline const QString kBrainKey = QStringLiteral("henssge-brain");

// "About 6 h 15 min before the body was found (95 % limits ±1.5 h): died
// between 4:15 PM and 7:15 PM the day before discovery, most likely about
// 5:45 PM.", saying where no limits are published and where the room lies
// outside those the method was studied in.
QString brainSentence(ClockTime foundAt, const BrainEstimate &estimate, double roomFahrenheit);

// The smaller print: Q, the formula and the limits' rule.
QString brainDetail(const BrainEstimate &estimate);

// "Read from the main window: found at 12:00:00 AM; room 60 °F (15.6 °C)."
QString brainReadingsLine(ClockTime foundAt, double roomFahrenheit);

// The brain nomogram's estimate as the case records it: a dotted line with
// its 95 % limits hatched the other way and ending at the reading, a diamond
// in ink at its death, and a section of its own on the sheet.
MethodRecord brainRecord(ClockTime foundAt, const QList<CaseEntry> &entries,
                         const MethodResult &result, const QString &sentence,
                         const QStringList &notes);

} // namespace quorrel::ui
