#include "frmabout.h"

#include "version.h"
#include "widgets.h"
#include "wording.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

namespace quorrel::ui
{

// Placeholder address on a reserved domain until the author names a real one.
const QString frmAbout::kMailLink = QStringLiteral("mailto:author@quorrel.invalid");

frmAbout::frmAbout()
{
    setUpWindow("frmAbout", programCaption(), QStringLiteral(":/icons/about.bmp"), kWindowGrey,
                Qt::Dialog);
    setFixedClientSize(5760, 4365);

    // The white line first, the grey one over it: together an etched rule.
    Line1[0] = new Line(120, 3840, 5669, 3840, this, 2, Qt::white);
    Line1[1] = new Line(90, 3840, 5654, 3840, this, 1, QColor(128, 128, 128));
    for (int i = 0; i < 2; ++i) {
        Line1[i]->setObjectName(QStringLiteral("Line1"));
        Line1[i]->setProperty("index", i);
    }

    cmdOK = placeFaceButton(this, "cmdOK", twips(3120, 3960, 1245, 345), tr("&OK"));
    picIcon =
        place<PictureBox>(this, "picIcon", QRect(twipsToPixels(240), twipsToPixels(240), 32, 32),
                          QStringLiteral(":/icons/about.bmp"));
    picIcon->setFrameStyle(QFrame::NoFrame);
    lblDisclaimer = place<QLabel>(this, "lblDisclaimer", twips(255, 3945, 2790, 225),
                                  tr("An estimate, not a finding of fact."));
    lblTitle =
        place<QLabel>(this, "lblTitle", twips(1050, 240, 3885, 480), tr("Application Title"));
    lblVersion = place<QLabel>(this, "lblVersion", twips(1050, 780, 3885, 225), tr("Version"));
    for (QLabel *label : {lblDisclaimer, lblTitle, lblVersion}) {
        QPalette black = label->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(black);
    }
    txtDescription = place<QPlainTextEdit>(this, "txtDescription", twips(240, 1200, 5415, 2415));
    txtDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDescription->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtDescription->setTabChangesFocus(true);
    // Enter in the description presses OK, as it does everywhere but on Email Me.
    txtDescription->installEventFilter(this);
    cmdEmail = placeFaceButton(this, "cmdEmail", twips(4440, 3960, 1245, 345), tr("&Email Me"));

    cmdOK->setDefault(true);
    txtDescription->setAccessibleName(tr("Description"));
    //: The name of the window's icon, which shows an information sign.
    picIcon->setAccessibleName(tr("Information"));
    setTabOrder(cmdOK, txtDescription);
    setTabOrder(txtDescription, cmdEmail);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdEmail, &QPushButton::clicked, this, &frmAbout::cmdEmail_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(programCaption());
    //: %1 is the version number.
    lblVersion->setText(tr("Version %1").arg(QStringLiteral(QUORREL_VERSION)));
    lblTitle->setText(QStringLiteral(QUORREL_TITLE));
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPointSize(8);
    txtDescription->setFont(arial);
    formatAboutString();
}

void frmAbout::formatAboutString()
{
    const QString lineBreak = QStringLiteral("\n");
    const QString paragraphBreak = lineBreak + lineBreak;
    txtDescription->setPlainText(
        tr("Newton's Law of Cooling") + lineBreak + QString(31, QLatin1Char('-')) + lineBreak +
        tr("From experimental observations, the temperature at the surface of an "
           "object changes at a rate proportional to the difference between its "
           "own temperature and the temperature of its surroundings. A warm body "
           "in a cool room therefore loses heat quickly at first and ever more "
           "slowly as it nears the room's temperature. This is Newton's law of "
           "cooling.") +
        paragraphBreak +
        tr("Example: a body is discovered in a motel room at midnight. Its "
           "temperature is 80F, and the room is held at 60F. Two hours later the "
           "body has cooled to 75F. When did death occur, assuming the body was at "
           "the normal 98.6F at that moment?") +
        paragraphBreak +
        tr("To work out such a case, pick the time the body was found from the "
           "hour, minute, second and AM/PM lists and press Set Time. Then enter the "
           "room temperature, the body temperature at discovery, the second body "
           "temperature and the hours that passed until that second reading, and "
           "press Calculate to see the estimated time of death.") +
        paragraphBreak +
        tr("For the example, set 12:00 AM (midnight) as the time of discovery, "
           "enter 60 as the ambient room temperature, 80 and 75 as the two body "
           "temperatures, and 2 as the hours elapsed. Calculate then shows "
           "7:25:44 PM: death came about 4 hours and 34 minutes before the body "
           "was found. Thank you for using Quorrel.") +
        paragraphBreak + QStringLiteral("https://en.wikipedia.org/wiki/Newton%27s_law_of_cooling"));
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdEmail_Click()
{
    // Without a mail program nothing answers; the window just stays as it is.
    QDesktopServices::openUrl(QUrl(kMailLink));
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtDescription && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdOK->click();
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

} // namespace quorrel::ui
