#include "widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QToolTip>

#include <algorithm>

namespace quorrel::ui
{
namespace
{

class KitWidgetWords
{
    Q_DECLARE_TR_FUNCTIONS(KitWidgetWords)
};

} // namespace

QString programCaption()
{
    //: The main window's caption; " - Halbrook" stays as it is.
    return KitWidgetWords::tr("Quorrel Estimator - Halbrook");
}

QFont windowFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    // Latin captions need no shaping: unshaped, neither face copies its
    // OpenType tables onto the heap nor pulls in the shaper's code at start-up
    // (about 0.9 MB of the window's memory), at the cost of pair kerning.
    // Scripts that need shaping are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void makeResultLine(QLabel *line, LinePrint print)
{
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    line->setFocusPolicy(Qt::StrongFocus);
    QFont font = windowFont(print == LinePrint::Bold);
    if (print == LinePrint::Small)
        font.setPointSizeF(7.5);
    line->setFont(font);
}

void showResultLine(QLabel *line, const QString &text)
{
    line->setText(text);
    line->setVisible(!text.isEmpty());
    QString spoken = text;
    line->setAccessibleName(spoken.remove(QChar(0x2066)).remove(QChar(0x2069)));
}

QWidget *placeResultLines(QWidget *window, const char *name, QRect geometry)
{
    auto *area = place<QScrollArea>(window, name, geometry);
    area->setFocusPolicy(Qt::NoFocus);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *lines = new QWidget;
    area->setWidget(lines);
    return lines;
}

QPushButton *placeFaceButton(QWidget *window, const char *name, QRect geometry,
                             const QString &caption)
{
    auto *button = place<QPushButton>(window, name, geometry, caption);
    QPalette face = button->palette();
    face.setColor(QPalette::Button, QColor(224, 224, 224));
    button->setPalette(face);
    return button;
}

QPixmap loadPicture(const QString &resource)
{
    // Named format, no guessing: a reader left to guess asks every image
    // plugin first, loading all of them before it tries its own PNG reader.
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

namespace
{

// Whether a caption drawn in these metrics stays within its control.
bool captionFits(const QWidget *control, const QFontMetrics &metrics)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const QRect box = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = metrics.boundingRect(box, flags, label->text());
        return box.contains(needed) &&
               (label->wordWrap() || metrics.horizontalAdvance(label->text()) <= box.width());
    }
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect box =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QString caption = QString(button->text()).remove('&');
        return metrics.horizontalAdvance(caption) <= box.width() - 4 &&
               metrics.height() <= box.height();
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        // The caption sits in the top border, indented, with a gap each side.
        return metrics.horizontalAdvance(frame->title()) + 24 <= frame->width();
    }
    return true;
}

} // namespace

void fitCaptions(QWidget *window)
{
    constexpr double kStep = 0.25;    // points
    constexpr double kSmallest = 5.0; // below this nothing is readable anyway
    // Every caption in the window, those within a client area under a menu
    // bar too.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!qobject_cast<QLabel *>(control) && !qobject_cast<QPushButton *>(control) &&
            !qobject_cast<QGroupBox *>(control))
            continue;
        // A layout gives its controls the room their captions ask for.
        if (control->parentWidget() && control->parentWidget()->layout())
            continue;
        QFont font = control->font();
        while (!captionFits(control, QFontMetrics(font)) && font.pointSizeF() - kStep >= kSmallest)
            font.setPointSizeF(font.pointSizeF() - kStep);
        if (font != control->font())
            control->setFont(font);
    }
}

void nameAfter(QLabel *label, QWidget *box)
{
    label->setBuddy(box);
    // Named as the label reads: an access key's marker is not read aloud.
    QString name;
    const QString caption = label->text();
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == '&' && i + 1 < caption.size())
            ++i;
        name += caption.at(i);
    }
    box->setAccessibleName(name);
}

void showPlaceholder(QComboBox *list, const QString &placeholder)
{
    list->setCurrentIndex(-1);
    list->setEditText(placeholder);
    list->lineEdit()->setCursorPosition(0);
}

QComboBox *placePickList(QWidget *window, const char *name, QRect geometry,
                         const QString &placeholder)
{
    auto *list = place<QComboBox>(window, name, geometry);
    // Given its line edit directly: setEditable(true) would also build the
    // drop-down list at start-up, where it is wanted only when it first
    // drops down. A model-less completer, one for the window, stands in so
    // that no default one is built over the items, and none is kept: typing
    // is never completed.
    auto *edit = new QLineEdit(list);
    edit->setPalette(list->palette());
    static QPointer<QCompleter> standIn;
    if (!standIn || standIn->parent() != window)
        standIn = new QCompleter(window);
    edit->setCompleter(standIn);
    list->setLineEdit(edit);
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    showPlaceholder(list, placeholder);
    return list;
}

void appendItems(QComboBox *list, const QStringList &items)
{
    const QString placeholder = list->currentText();
    list->addItems(items);
    showPlaceholder(list, placeholder);
}

void TextBox::selectWholeText()
{
    // Selected from the end back to the start, so the caret rests at the start:
    // a screen reader then reads the whole line, where at the end Orca would
    // leave the last character out.
    const int length = static_cast<int>(text().size());
    if (length > 0)
        setSelection(length, -length);
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    // Qt reports a new focus to assistive technology only after this event. A
    // selection made here reaches a screen reader first: Orca follows that
    // caret move silently, then takes the focus report as old news, and the
    // box is never named. So the line edit is given the focus without its own
    // select-all on Tab, and the selection waits until the focus is reported.
    const Qt::FocusReason reason = event->reason();
    const bool byKey = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                       reason == Qt::ShortcutFocusReason;
    QFocusEvent plain(QEvent::FocusIn, byKey ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&plain);
    // Only a move into the box counts: the window coming back to the front,
    // or a popup closing, with the focus still here, must not select over the
    // user's caret.
    const bool returned = m_focusSuspended;
    m_focusSuspended = false;
    if (returned && (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason))
        return;
    QMetaObject::invokeMethod(
        this,
        [this, byKey] {
            if (!hasFocus())
                return;
            if (byKey)
                selectWholeText();
            emit gotFocus();
            // A keyboard user sees the tooltip as a mouse user does on hover.
            if (byKey && !toolTip().isEmpty())
                QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this, rect());
        },
        Qt::QueuedConnection);
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    // The focus stays with this box while another window or a popup is in
    // front; it comes back here with the window.
    m_focusSuspended =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    QLineEdit::focusOutEvent(event);
}

PictureBox::PictureBox(const QString &resource, QWidget *parent)
    : QFrame(parent), m_resource(resource)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    if (m_picture.isNull())
        m_picture = loadPicture(m_resource);
    painter.drawPixmap(contentsRect().topLeft(), m_picture);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(contentsRect().adjusted(1, 1, -2, -2));
    }
}

Line::Line(int x1, int y1, int x2, int y2, QWidget *parent, int width, const QColor &color)
    : QWidget(parent), m_color(color)
{
    const int left = twipsToPixels(std::min(x1, x2));
    const int top = twipsToPixels(std::min(y1, y2));
    const int right = twipsToPixels(std::max(x1, x2));
    const int bottom = twipsToPixels(std::max(y1, y2));
    const bool horizontal = top == bottom;
    setGeometry(left, top, right - left + (horizontal ? 1 : width),
                bottom - top + (horizontal ? width : 1));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(),
                            m_color.isValid() ? m_color : palette().color(QPalette::WindowText));
}

void whenChanged(QObject *context, const QList<QWidget *> &entries,
                 const std::function<void(bool byUser)> &changed)
{
    const auto any = [changed] { changed(false); };
    const auto user = [changed] { changed(true); };
    for (QWidget *entry : entries) {
        if (auto *box = qobject_cast<QLineEdit *>(entry)) {
            QObject::connect(box, &QLineEdit::textChanged, context, any);
            QObject::connect(box, &QLineEdit::textEdited, context, user);
        } else if (auto *list = qobject_cast<QComboBox *>(entry)) {
            QObject::connect(list, &QComboBox::currentIndexChanged, context, any);
            QObject::connect(list, &QComboBox::activated, context, user);
        } else if (auto *tick = qobject_cast<QCheckBox *>(entry)) {
            QObject::connect(tick, &QCheckBox::toggled, context, any);
            QObject::connect(tick, &QCheckBox::clicked, context, user);
        }
    }
}

} // namespace quorrel::ui
