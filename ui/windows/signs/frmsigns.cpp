#include "frmsigns.h"

#include "caseholder.h"
#include "messages.h"
#include "signs.h"
#include "signscase.h"
#include "signstext.h"
#include "widgets.h"
#include "wording.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <string_view>

namespace quorrel::ui
{
namespace
{

// A day list has no label of its own. On Linux Qt names a list by its pick,
// so what the list is for goes in its description too, which a screen
// reader says as the list takes the keyboard.
void nameDayList(QComboBox *list, const QString &what)
{
    list->setAccessibleName(what);
    list->setAccessibleDescription(what);
}

// Written when shown, in the locale's digits.
QString hint()
{
    //: %1 is a percentage ("95 %").
    return frmSigns::tr("Combine reads the time found from the main window, and the nomogram's "
                        "%1 interval where the Henssge window estimated one.")
        .arg(percent(95));
}
// What it takes for the probability within the bounds.
QString conditionalHint()
{
    //: %1 is a percentage ("95 %").
    return frmSigns::tr("With a last sighting alive and a nomogram's estimate with %1 limits, "
                        "Combine also gives the probability of death within the hours from the "
                        "sighting to the discovery.")
        .arg(percent(95));
}

// The bounds the case's combination was made with, and the distributions
// cut to them; none where it was made without a last sighting.
struct CaseBounds {
    ClockTime foundAt;
    DayClock lastSeenAt;
    InvestigativeBounds bounds;
    QList<DistributionSource> sources;
};
std::optional<CaseBounds> caseBounds()
{
    const std::optional<CaseRecord> &record = currentCase().record();
    if (!record || !record->method(kSignsKey))
        return std::nullopt;
    const std::optional<SignsChoice> choice = signsChoiceOf(*record);
    if (!choice || !choice->lastSeenAt)
        return std::nullopt;
    const double earliest = -hoursFromDiscovery(record->foundAt, *choice->lastSeenAt);
    return CaseBounds{
        record->foundAt, *choice->lastSeenAt, {earliest, 0.0}, distributionsIn(*record)};
}

// A moment as the messages name it: "10:00:00 AM the day before discovery".
QString momentWords(DayClock at)
{
    //: A moment: %1 is a time of day, %2 its day ("the day before discovery").
    return frmSigns::tr("%1 %2").arg(QString::fromStdString(formatClockTime(at.time)),
                                     dayChoice(at.day));
}

// The days a moment may be given on, around the day of discovery.
constexpr int kFirstDay = -7;
constexpr int kLastDay = 3;

// Most rows come from one table, cited as the engine cites it; a sign whose
// rows come from elsewhere, or that a later study doubts, says so beside its
// pick.
constexpr std::string_view kMainSource =
    "Henssge, Althaus, Bolt et al., Int J Legal Med 113:320\u2013331 (2000), Table 1";

// Told by the table, not by its note's words, which a translation changes.
bool hasNote(DeathSign sign)
{
    for (const SignRow &row : signsOfDeath())
        if (row.sign == sign && (row.source != kMainSource || row.caveat != SignCaveat::None))
            return true;
    return false;
}

void fillDays(QComboBox *days)
{
    for (int day = kFirstDay; day <= kLastDay; ++day)
        days->addItem(dayChoice(day), day);
    days->setCurrentIndex(days->findData(0));
}

// A day the list does not offer, as a file may give, added in its place;
// where it is.
int offerDay(QComboBox *days, std::int64_t day)
{
    int at = days->findData(int(day));
    if (at < 0) {
        at = 0;
        while (at < days->count() && days->itemData(at).toInt() < day)
            ++at;
        days->insertItem(at, dayChoice(day), int(day));
    }
    return at;
}

// Shows a day, rather than none read as the day of discovery.
void showDay(QComboBox *days, std::int64_t day)
{
    days->setCurrentIndex(offerDay(days, day));
}

} // namespace

frmSigns::frmSigns()
{
    //: The window's caption; " - Halbrook" stays as it is.
    setUpWindow("frmSigns", tr("Signs of Death - Halbrook"), QStringLiteral(":/icons/quorrel.bmp"),
                kWindowGrey);
    setFixedClientSize(9600, 10530);
    createTimes();
    createPicks();
    createResult();
    createProbability();
    setUpTabOrder();
    connectHandlers();
    txtExamined->setFocus();
}

void frmSigns::createTimes()
{
    lblExamined =
        place<QLabel>(this, "lblExamined", twips(120, 150, 1920, 255), tr("&Examined at:"));
    lblLastSeen =
        place<QLabel>(this, "lblLastSeen", twips(120, 570, 1920, 255), tr("&Last seen alive:"));
    for (QLabel *label : {lblExamined, lblLastSeen}) {
        label->setFont(windowFont(true));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    txtExamined = place<TextBox>(this, "txtExamined", twips(2160, 120, 1455, 285));
    cboExaminedDay = place<QComboBox>(this, "cboExaminedDay", twips(3720, 105, 2880, 315));
    txtLastSeen = place<TextBox>(this, "txtLastSeen", twips(2160, 540, 1455, 285));
    cboLastSeenDay = place<QComboBox>(this, "cboLastSeenDay", twips(3720, 525, 2880, 315));
    //: Shown in the empty box of the last sighting.
    txtLastSeen->setPlaceholderText(tr("not known"));
    txtExamined->setToolTip(tr("A time of day such as 2:30 AM."));
    txtLastSeen->setToolTip(tr("A time of day such as 2:30 AM. Empty where it is not known."));
    nameAfter(lblExamined, txtExamined);
    nameAfter(lblLastSeen, txtLastSeen);
    nameDayList(cboExaminedDay, tr("Day of the examination"));
    nameDayList(cboLastSeenDay, tr("Day of the last sighting"));
}

void frmSigns::createPicks()
{
    lblSigns = place<QLabel>(
        this, "lblSigns", twips(120, 990, 9360, 255),
        //: %1 is the publication most bounds come from.
        tr("Signs found at the examination (bounds from %1, unless noted):")
            .arg(QString::fromUtf8(kMainSource.data(), qsizetype(kMainSource.size()))));
    lblSigns->setWordWrap(true);
    scrSigns = place<QScrollArea>(this, "scrSigns", twips(120, 1290, 9360, 3600));
    scrSigns->setFocusPolicy(Qt::NoFocus);
    scrSigns->setWidgetResizable(true);
    auto *rows = new QWidget;
    rows->setObjectName(QStringLiteral("signRows"));
    auto *grid = new QGridLayout(rows);
    grid->setColumnStretch(0, 1);
    QFont small = windowFont();
    small.setPointSizeF(7.5);
    int line = 0;
    for (DeathSign sign : signsInOrder()) {
        //: A sign's label beside its list; %1 is the sign ("Rigor mortis").
        auto *name = new QLabel(tr("%1:").arg(signName(sign)), rows);
        name->setWordWrap(true);
        auto *pick = new QComboBox(rows);
        pick->setObjectName(QStringLiteral("cboSign%1").arg(cboSigns.size()));
        pick->addItem(tr("Not examined"), -1);
        const std::span<const SignRow> table = signsOfDeath();
        for (std::size_t row = 0; row < table.size(); ++row)
            if (table[row].sign == sign)
                pick->addItem(pickItem(table[row]), int(row));
        // Named after its sign by its label. Orca reads no value of a closed
        // list, and on Linux Qt names a list by its current pick, so the
        // pick also leads its description, heard on reaching the list and
        // again when its open list closes; elsewhere the name carries it.
        const QString signWords = signName(sign);
        const QString note = signNote(sign);
        const auto sayPick = [pick, signWords, note] {
            //: A sign's list as a screen reader names it: %1 is the sign, %2 its pick.
            pick->setAccessibleName(tr("%1: %2").arg(signWords, pick->currentText()));
            //: A sign's list as a screen reader describes it: %1 is its pick, %2 where the
            //: sign's bounds come from.
            pick->setAccessibleDescription(tr("%1. %2").arg(pick->currentText(), note));
        };
        sayPick();
        connect(pick, &QComboBox::currentIndexChanged, pick, sayPick);
        pick->setToolTip(note);
        name->setBuddy(pick);
        grid->addWidget(name, line, 0);
        grid->addWidget(pick, line, 1);
        ++line;
        if (hasNote(sign)) {
            auto *doubt = new QLabel(note, rows);
            doubt->setWordWrap(true);
            doubt->setFont(small);
            doubt->setTextFormat(Qt::PlainText);
            grid->addWidget(doubt, line++, 0, 1, 2);
        }
        cboSigns.append(pick);
        lblSignNames.append(name);
    }
    scrSigns->setWidget(rows);
    cmdCombine = placeFaceButton(this, "cmdCombine", twips(120, 5010, 1215, 335), tr("&Combine"));
    cmdCombine->setDefault(true);
}

void frmSigns::createResult()
{
    Line1 = new Line(120, 5460, 9480, 5460, this);
    Line1->setObjectName(QStringLiteral("Line1"));
    lblResult = new QLabel(hint());
    lblResult->setObjectName(QStringLiteral("lblResult"));
    auto *resultLines =
        new QVBoxLayout(placeResultLines(this, "resultArea", twips(120, 5550, 9360, 735)));
    resultLines->setContentsMargins(0, 0, 0, 0);
    resultLines->addWidget(lblResult);
    resultLines->addStretch(1);
    scrEvidence = place<QScrollArea>(this, "scrEvidence", twips(120, 6330, 9360, 1440));
    scrEvidence->setFocusPolicy(Qt::NoFocus);
    scrEvidence->setWidgetResizable(true);
    scrEvidence->setFrameShape(QFrame::NoFrame);
    lblEvidence = new QLabel;
    lblEvidence->setObjectName(QStringLiteral("lblEvidence"));
    scrEvidence->setWidget(lblEvidence);
    makeResultLine(lblResult, LinePrint::Bold);
    makeResultLine(lblEvidence, LinePrint::Small);
}

void frmSigns::createProbability()
{
    lblConditional =
        place<QLabel>(this, "lblConditional", twips(120, 7830, 9360, 900), conditionalHint());
    lblBetween = place<QLabel>(this, "lblBetween", twips(120, 8790, 9360, 255),
                               tr("Probability of death &between:"));
    txtFrom = place<TextBox>(this, "txtFrom", twips(120, 9090, 1455, 285));
    cboFromDay = place<QComboBox>(this, "cboFromDay", twips(1635, 9075, 2880, 315));
    lblAnd = place<QLabel>(this, "lblAnd", twips(4575, 9120, 420, 255), tr("a&nd"));
    txtTo = place<TextBox>(this, "txtTo", twips(5055, 9090, 1455, 285));
    cboToDay = place<QComboBox>(this, "cboToDay", twips(6570, 9075, 2880, 315));
    cmdProbability =
        placeFaceButton(this, "cmdProbability", twips(120, 9510, 1215, 335), tr("&Probability"));
    lblProbability = place<QLabel>(this, "lblProbability", twips(1455, 9510, 8025, 480));
    makeResultLine(lblConditional);
    makeResultLine(lblProbability, LinePrint::Bold);
    lblBetween->setFont(windowFont(true));
    lblAnd->setFont(windowFont(true));
    nameAfter(lblBetween, txtFrom);
    nameAfter(lblAnd, txtTo);
    txtFrom->setToolTip(tr("Where the window begins. A time of day such as 10:00 AM, its day in "
                           "the list beside it, between the last sighting and the discovery."));
    txtTo->setToolTip(tr("Where the window ends. A time of day such as 10:00 AM, its day in the "
                         "list beside it, between the last sighting and the discovery."));
    txtFrom->setAccessibleDescription(txtFrom->toolTip());
    txtTo->setAccessibleDescription(txtTo->toolTip());
    nameDayList(cboFromDay, tr("Day the window begins"));
    nameDayList(cboToDay, tr("Day the window ends"));
    cmdProbability->setAccessibleDescription(
        tr("The probability of death between the two times, from each estimate cut to the hours "
           "between the last sighting and the discovery"));
    cmdClose = placeFaceButton(this, "cmdClose", twips(8265, 10080, 1215, 335), tr("Close"));
}

void frmSigns::setUpTabOrder()
{
    QList<QWidget *> order{txtExamined, cboExaminedDay, txtLastSeen, cboLastSeenDay};
    for (QComboBox *pick : cboSigns)
        order.append(pick);
    order += QList<QWidget *>{cmdCombine, lblResult, lblEvidence, lblConditional};
    order += QList<QWidget *>{txtFrom,        cboFromDay,     txtTo,   cboToDay,
                              cmdProbability, lblProbability, cmdClose};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmSigns::connectHandlers()
{
    connect(cmdCombine, &QPushButton::clicked, this, &frmSigns::cmdCombine_Click);
    connect(cmdProbability, &QPushButton::clicked, this, &frmSigns::cmdProbability_Click);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { followFocus(now); });
    setHideOnClose(cmdClose);
    connect(&currentCase(), &CaseHolder::changed, this, &frmSigns::showCase);
    connect(&currentCase(), &CaseHolder::entriesChanged, this, &frmSigns::followTimeFound);
    // Another case: an opened case's entries, or a new case's none.
    connect(&currentCase(), &CaseHolder::replaced, this, &frmSigns::showChoice);
    // Every change is kept with the case; only the user's marks it edited.
    QList<QWidget *> entries{txtExamined, cboExaminedDay, txtLastSeen, cboLastSeenDay};
    for (QComboBox *pick : cboSigns)
        entries.append(pick);
    whenChanged(this, entries, [this](bool byUser) { keepEntries(byUser); });
}

SignsEntries frmSigns::entries() const
{
    SignsEntries entries{txtExamined->text(),
                         cboExaminedDay->currentData().toInt(),
                         txtLastSeen->text(),
                         cboLastSeenDay->currentData().toInt(),
                         {}};
    for (QComboBox *pick : cboSigns)
        if (const int row = pick->currentData().toInt(); row >= 0)
            entries.rows.append(std::size_t(row));
    return entries;
}

void frmSigns::keepEntries(bool edited)
{
    if (!m_showing)
        keepSignsWindowEntries(currentCase(), entries(), edited);
}

void frmSigns::Form_Load()
{
    m_showing = true;
    fillDays(cboExaminedDay);
    fillDays(cboLastSeenDay);
    m_showing = false;
    fillDays(cboFromDay);
    fillDays(cboToDay);
    showChoice();
    showCase();
}

void frmSigns::followTimeFound()
{
    const std::optional<ClockTime> found = currentCase().entries().foundAt;
    const QString text = found ? QString::fromStdString(formatClockTime(*found)) : QString();
    // Only the time found itself follows: not the same clock time on
    // another day.
    if (txtExamined->text() == m_foundShown && cboExaminedDay->currentData().toInt() == 0) {
        txtExamined->setText(text);
        cboExaminedDay->setCurrentIndex(cboExaminedDay->findData(0));
    }
    m_foundShown = text;
}

void frmSigns::showChoice()
{
    const std::optional<CaseRecord> &record = currentCase().record();
    std::optional<SignsEntries> shown = signsWindowEntries(currentCase());
    if (!shown && record)
        if (const std::optional<SignsChoice> choice = signsChoiceOf(*record))
            shown = signsEntriesOf(*choice);
    m_showing = true;
    if (!shown) {
        // A new case: examined when found, nothing else known.
        m_foundShown.clear();
        txtExamined->clear();
        shown = SignsEntries{};
    } else {
        // It follows the time found only where it shows the time found.
        const std::optional<ClockTime> found = currentCase().entries().foundAt;
        m_foundShown = found ? QString::fromStdString(formatClockTime(*found)) : QString();
        txtExamined->setText(shown->examinedAt);
    }
    showDay(cboExaminedDay, shown->examinedDay);
    txtLastSeen->setText(shown->lastSeenAt);
    showDay(cboLastSeenDay, shown->lastSeenDay);
    for (QComboBox *pick : cboSigns) {
        pick->setCurrentIndex(0);
        for (std::size_t row : shown->rows)
            if (const int at = pick->findData(int(row)); at >= 0)
                pick->setCurrentIndex(at);
    }
    m_showing = false;
    followTimeFound();
}

void frmSigns::followFocus(QWidget *now)
{
    if (!now || !isAncestorOf(now))
        return;
    const bool asking = now == txtFrom || now == cboFromDay || now == txtTo || now == cboToDay ||
                        now == cmdProbability;
    (asking ? cmdProbability : cmdCombine)->setDefault(true);
}

void frmSigns::refuse(const QString &text, QWidget *entry)
{
    showMessage(this, tr("Signs of Death"), text, QMessageBox::Warning);
    if (entry)
        entry->setFocus();
}

void frmSigns::cmdCombine_Click()
{
    const std::optional<ClockTime> examined = clockOf(txtExamined->text());
    if (!examined)
        return refuse(tr("Examined at: enter a time of day such as 2:30 AM or 2:30:00 AM."),
                      txtExamined);
    const bool seen = !txtLastSeen->text().trimmed().isEmpty();
    const std::optional<ClockTime> lastSeen = clockOf(txtLastSeen->text());
    if (seen && !lastSeen)
        return refuse(tr("Last seen alive: enter a time of day such as 2:30 AM or 2:30:00 AM, or "
                         "leave it empty where it is not known."),
                      txtLastSeen);
    const int examinedDay = cboExaminedDay->currentData().toInt();
    const int seenDay = cboLastSeenDay->currentData().toInt();
    SignsChoice choice{{*examined, examinedDay},
                       seen ? std::optional(DayClock{*lastSeen, seenDay}) : std::nullopt,
                       {}};
    for (QComboBox *pick : cboSigns)
        if (const int row = pick->currentData().toInt(); row >= 0)
            choice.rows.append(std::size_t(row));

    const CaseEntries &entries = currentCase().entries();
    const SignsOutcome outcome = combineSignsCase(entries, choice, currentCase().record());
    if (outcome.problem != SignsProblem::None)
        return refuse(signsRefusalText(outcome.problem, choice, entries),
                      outcome.problem == SignsProblem::ExaminedBeforeDiscovery ? txtExamined
                      : outcome.problem == SignsProblem::SeenAfterDiscovery    ? txtLastSeen
                                                                               : nullptr);
    currentCase().publish(*outcome.record);
    // The keyboard moves to the sentence, so a screen reader reads it out.
    lblResult->setFocus();
}

void frmSigns::showCase()
{
    const std::optional<CaseRecord> &record = currentCase().record();
    const MethodRecord *signs = record ? record->method(kSignsKey) : nullptr;
    lblResult->setText(signs ? signs->sentence : hint());
    lblEvidence->setText(signs ? signs->notes.join('\n') : QString());
    scrEvidence->setVisible(signs);

    // A new case, or new bounds: an answer given before no longer holds.
    lblProbability->clear();
    const std::optional<CaseBounds> cut = caseBounds();
    QStringList sentences;
    bool answers = false;
    for (const DistributionSource &source : cut ? cut->sources : QList<DistributionSource>()) {
        sentences.append(conditionalSentence(cut->foundAt, cut->bounds, source));
        answers = answers || conditionalWithin(source.estimate, cut->bounds);
    }
    lblConditional->setText(sentences.isEmpty() ? conditionalHint() : sentences.join('\n'));
    // A window may begin on any day from the last sighting's on, however
    // long before the lists' own days that was.
    if (const std::optional<std::int64_t> seen =
            cut ? minuteFromDiscovery(cut->foundAt, -cut->bounds.earliestHours) : std::nullopt)
        for (std::int64_t day = *seen / kSecondsPerDay - (*seen < 0 && *seen % kSecondsPerDay);
             day < kFirstDay; ++day)
            for (QComboBox *days : {cboFromDay, cboToDay})
                offerDay(days, day);
    // Its labels stay as they are: greyed, they would not be read at all.
    for (QWidget *asking :
         QList<QWidget *>{txtFrom, cboFromDay, txtTo, cboToDay, cmdProbability, lblProbability})
        asking->setEnabled(answers);
}

void frmSigns::cmdProbability_Click()
{
    const std::optional<CaseBounds> cut = caseBounds();
    if (!cut)
        return;
    const std::optional<ClockTime> from = clockOf(txtFrom->text());
    if (!from)
        return refuse(tr("Probability of death between: enter a time of day such as 2:30 AM or "
                         "2:30:00 AM."),
                      txtFrom);
    const std::optional<ClockTime> to = clockOf(txtTo->text());
    if (!to)
        return refuse(tr("Probability of death between \u2026 and: enter a time of day such as "
                         "2:30 AM or 2:30:00 AM."),
                      txtTo);
    const DayClock begins{*from, cboFromDay->currentData().toInt()};
    const DayClock ends{*to, cboToDay->currentData().toInt()};
    // In hours before discovery, as the bounds are.
    const double fromHours = -hoursFromDiscovery(cut->foundAt, begins);
    const double toHours = -hoursFromDiscovery(cut->foundAt, ends);
    if (toHours >= fromHours)
        //: %1 and %2 are moments, each a time of day with its day.
        return refuse(tr("The window, from %1 to %2, ends no later than it begins. Enter the "
                         "earlier time first.")
                          .arg(momentWords(begins), momentWords(ends)),
                      txtFrom);
    if (fromHours > cut->bounds.earliestHours || toHours < cut->bounds.latestHours)
        //: %1 to %3 are moments, each a time of day with its day; %4 a time of day.
        return refuse(tr("The window, from %1 to %2, reaches outside the hours between the last "
                         "sighting alive, at %3, and the discovery, at %4 the day of discovery. "
                         "Enter times within them.")
                          .arg(momentWords(begins), momentWords(ends), momentWords(cut->lastSeenAt),
                               QString::fromStdString(formatClockTime(cut->foundAt))),
                      fromHours > cut->bounds.earliestHours ? txtFrom : txtTo);
    QStringList answers;
    for (const DistributionSource &source : cut->sources)
        if (const QString answer =
                probabilitySentence(cut->foundAt, cut->bounds, source, fromHours, toHours);
            !answer.isEmpty())
            answers.append(answer);
    lblProbability->setText(answers.join('\n'));
    // The keyboard moves to the answer, so a screen reader reads it out.
    lblProbability->setFocus();
}

} // namespace quorrel::ui
