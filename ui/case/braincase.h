#pragma once

#include "caserecord.h"
#include "numbers.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace quorrel::ui
{

// What the brain window held when Estimate was pressed: the brain's
// temperature as typed, in °F.
struct BrainChoice {
    QString brain;
    bool operator==(const BrainChoice &) const = default;
};

// Why no estimate was made, checked in this order, for the window to word.
enum class BrainProblem {
    None,
    NoTimeFound,
    Room,
    Brain,
    RoomBelowAbsoluteZero,
    BrainBelowAbsoluteZero,
    BrainAboveStart,
    RoomNotColder,
};

struct BrainOutcome {
    BrainProblem problem = BrainProblem::None;
    // The room and the brain as read, in °F, for the words.
    double room = 0.0;
    double brain = 0.0;
    // The case with the estimate in it.
    std::optional<CaseRecord> record;
    // As typed: an edge is decided on the decimals typed, which the words
    // of a refusal then show.
    QString roomTyped = {};
    QString brainTyped = {};
};

// Henssge's brain nomogram for the main window's time found and room as
// they stand and the brain's temperature typed. The estimate joins the case
// held for the same time found and room; any other is a case of its own.
BrainOutcome estimateBrainCase(const CaseEntries &entries, const BrainChoice &choice,
                               const std::optional<CaseRecord> &current);

// What is wrong with an entry, in words that say what to enter instead.
QString brainRefusalText(const BrainOutcome &outcome);

// The choice the estimate in the record was made with; none where the
// record has no brain estimate.
std::optional<BrainChoice> brainChoiceOf(const CaseRecord &record);

// The brain nomogram's part of a case.
struct CaseMethod;
CaseMethod brainCaseMethod();

// The brain window's box as the case keeps it, in the user's locale.
class CaseHolder;
std::optional<BrainChoice> brainWindowEntries(const CaseHolder &holder);
void keepBrainWindowEntries(CaseHolder &holder, const BrainChoice &entries, bool edited);

} // namespace quorrel::ui
