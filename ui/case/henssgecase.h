#pragma once

#include "caserecord.h"
#include "numbers.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace quorrel::ui
{

// What the Henssge window held when Estimate was pressed: the same again
// makes the estimate again for a new Calculate of the same body, whatever
// the boxes hold by then.
struct HenssgeChoice {
    QString mass;
    bool pounds = false;
    QString condition; // the row's id: "dry-naked-still-air"
    QString factor;
    // The factor is already this body's: the mass rule leaves it as it is.
    bool factorForThisMass = false;
    // The ± of the room (°F), the mass (in its unit) and the factor as
    // typed, for the prudent interval; all empty where the entries are
    // taken as exact, one empty where that entry is.
    QString roomUncertainty = {};
    QString massUncertainty = {};
    QString factorUncertainty = {};
    // What the ± boxes hold while the entries are taken as exact: no part
    // of the estimate, but typed, and back in the boxes when the window
    // shows this choice again.
    QString roomUncertaintyAside = {};
    QString massUncertaintyAside = {};
    QString factorUncertaintyAside = {};
    bool operator==(const HenssgeChoice &) const = default;
    bool uncertain() const
    {
        return !roomUncertainty.isEmpty() || !massUncertainty.isEmpty() ||
               !factorUncertainty.isEmpty();
    }
};

// Why no estimate was made, checked in this order, for the window to word.
enum class HenssgeProblem {
    None,
    NoTimeFound,
    Room,
    Body,
    RoomBelowAbsoluteZero,
    BodyBelowAbsoluteZero,
    Mass,
    Factor,
    BodyAboveStart,
    RoomNotColder,
    // A ± that is not a number of 0 or more, or larger than its entry.
    RoomUncertainty,
    MassUncertainty,
    FactorUncertainty,
    // The room's range reaches the body's temperature.
    RoomRangeReachesBody,
};

struct HenssgeOutcome {
    HenssgeProblem problem = HenssgeProblem::None;
    // The room and the first reading as read, in °F, for the words.
    double room = 0.0;
    double body = 0.0;
    // The case with the estimate in it.
    std::optional<CaseRecord> record;
    // As typed, in the case's unit: a refusal quotes them, never a rounding.
    QString roomTyped = {};
    QString bodyTyped = {};
};

// Henssge's nomogram for the main window's entries as they stand and the
// window's choice. The estimate joins Newton's where every entry is as
// Calculate read it (the second reading too, which the check uses, so that
// a record never holds two second readings); any other case, such as one of
// a single reading, is a case of its own.
HenssgeOutcome estimateHenssgeCase(const CaseEntries &entries, const HenssgeChoice &choice,
                                   const std::optional<CaseRecord> &current);

// What is wrong with an entry, in words that say what to enter instead.
QString henssgeRefusalText(const HenssgeOutcome &outcome, const HenssgeChoice &choice);

// The choice an estimate in the record was made with, as the window shows
// it again; none where the record has no Henssge estimate.
std::optional<HenssgeChoice> henssgeChoiceOf(const CaseRecord &record);

// A new Calculate made `calculated`: the nomogram's estimate of the same
// body (the same time found, room and first reading) in the case before,
// made again with what was chosen for it and joined to it; none where the
// case had none, the body is another, or the new entries no longer allow it.
std::optional<CaseRecord> henssgeFollowing(const CaseRecord &calculated, const CaseRecord &before,
                                           const CaseEntries &entries);

// A choice as a case file keeps it, and as the reader's locale writes it
// again (typed with `typedIn`'s separators and digits).
QJsonObject henssgeObject(const HenssgeChoice &choice);
HenssgeChoice henssgeChoiceIn(const QJsonObject &object, const NumberLocale &typedIn,
                              const NumberLocale &reader);

// The nomogram's part of a case.
struct CaseMethod;
CaseMethod henssgeCaseMethod();

// The Henssge window's boxes as the case keeps them, in the user's locale.
class CaseHolder;
std::optional<HenssgeChoice> henssgeWindowEntries(const CaseHolder &holder);
void keepHenssgeWindowEntries(CaseHolder &holder, const HenssgeChoice &entries, bool edited);

} // namespace quorrel::ui
