#pragma once

#include "caserecord.h"
#include "filemembers.h"
#include "numbers.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quorrel::ui
{

class CaseHolder;

// A temperature a switch of unit gave only to four decimals: its name, as it
// was and as it is now.
struct RoundedEntry {
    QString name;
    QString before;
    QString after;
};

// A method's part of a case: in the case file, its own member of "methods",
// named by its key, with what its estimate was made with ("estimatedWith")
// and what its window's boxes held ("window"), each an object only it reads;
// on opening, its estimate made again and its window's entries shown. The
// case file, the main window and the case's rules loop over the list and
// look inside no method's objects.
struct CaseMethod {
    // Its name in files and in records: stable, never shown.
    QString key;
    // Its members' name in the first case format, where it was in it.
    QString formerKey = {};
    // The members it reads in its objects, by the path inside them (empty
    // for the object itself, "findings[]" for the items of a list); none
    // for an object it reads whole. What it does not know is kept.
    std::function<std::optional<QStringList>(const QString &path)> knownMembers = {};
    // Checks one of its objects as read, what an estimate was made with or
    // what its window held; the first problem is worded by `members`.
    std::function<void(FileMembers &members, const QJsonObject &object, const QString &where,
                       bool estimated)>
        check = {};
    // Its estimate made again from what it was made with, into the case,
    // with numbers typed in `typedIn`: the reason it cannot be, in the words
    // its window uses and naming the method, or nothing.
    std::function<QString(const QJsonObject &estimatedWith, const NumberLocale &typedIn,
                          CaseHolder &)>
        remake = {};
    // A new Calculate made `calculated`: its estimate of the same body in the
    // case before, made again for it and joined to it; none where it had
    // none, or the new entries no longer allow it.
    std::function<std::optional<CaseRecord>(const CaseRecord &calculated, const CaseRecord &before,
                                            const CaseEntries &entries)>
        follow = {};
    // Its window's entries from the file (the window's object, or what the
    // estimate was made with where the file has none), or none.
    std::function<void(const QJsonObject &entries, const NumberLocale &typedIn, CaseHolder &)>
        showEntries = {};
    // Its object (what an estimate was made with, or what its window held)
    // with its temperatures in °C (`celsius`) or °F, each rounded one added
    // to `rounded`.
    std::function<QJsonObject(const QJsonObject &object, bool celsius,
                              QList<RoundedEntry> &rounded)>
        convert = {};
};

// One member of such an object in the other unit: a temperature, or a number
// of degrees (`degrees`, a ±), named `name` where it is rounded.
void convertMember(QJsonObject &object, const QString &member, const QString &name, bool celsius,
                   bool degrees, QList<RoundedEntry> &rounded);

// What the case keeps for its methods' windows and what its estimates were
// made with, in the unit switched to, so that a window shown later and an
// estimate made again read them in the case's unit.
QList<RoundedEntry> convertKeptTemperatures(CaseHolder &holder, bool celsius);

// Each estimate of `made` made again into the case from what it was made
// with and the case's entries, so that its words follow entries turned to
// the other unit; one that cannot be made again is not.
void remakeKeptEstimates(CaseHolder &holder, const CaseRecord &made);

// The methods the program's set-up gave, in the order their estimates are
// made again: each after those it may weigh.
const QList<CaseMethod> &caseMethods();
const CaseMethod *caseMethod(const QString &key);
// A method the list does not hold joins it, last.
void addCaseMethod(const CaseMethod &method);

// A new Calculate made this record: each method's estimate of the same body
// is made again for it and joins it; one of another body, or one the new
// entries no longer allow, goes; what was made from the others is made
// again.
CaseRecord followCalculate(CaseRecord calculated, const std::optional<CaseRecord> &before,
                           const CaseEntries &entries);

} // namespace quorrel::ui
