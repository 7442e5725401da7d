#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <functional>
#include <utility>

class QComboBox;
class QFont;
class QLabel;
class QPushButton;

namespace quorrel::ui
{

// Layouts are written in twips, 15 to a device-independent pixel, so every
// geometry reads like the layout table it came from.
constexpr int twipsToPixels(int twips)
{
    return (twips * 2 + (twips >= 0 ? 15 : -15)) / 30;
}
inline QRect twips(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// "MS Sans Serif" 8.25 pt, or the nearest sans-serif face the desktop has.
QFont windowFont(bool bold = false);

// How a line of a result is printed: the result itself in bold, the working
// behind it smaller.
enum class LinePrint { Plain, Bold, Small };
// A line of a result that a person reads and a screen reader reaches by Tab:
// plain text (numbers typed are shown, never as markup), wrapped, and
// selectable to copy.
void makeResultLine(QLabel *line, LinePrint print = LinePrint::Plain);
// Its text, hidden where empty; a screen reader is given it without the
// marks that keep a formula left to right, which it would spell out.
void showResultLine(QLabel *line, const QString &text);

// The widget a window's result lines go in, placed at `geometry`: it scrolls
// where a long sentence, or its translation, needs more room than the window
// gives, so no line is ever cut.
QWidget *placeResultLines(QWidget *window, const char *name, QRect geometry);

inline const QColor kWindowGrey(192, 192, 192);

// The caption of the main window, which the About window shares; asked for
// once a translator may be loaded, never kept from before.
QString programCaption();

// Creates a control on a window, named and placed (see twips()): every window
// places its controls this way. The arguments before the parent are the
// control's own, such as a caption.
template <typename Control, typename... Args>
Control *place(QWidget *window, const char *name, QRect geometry, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., window);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

// A push button placed on the window with the program's light grey face.
QPushButton *placeFaceButton(QWidget *window, const char *name, QRect geometry,
                             const QString &caption);

// One of the program's own pictures, read in the format its name says.
QPixmap loadPicture(const QString &resource);

// Every label, button and frame caption on the window shown whole in its
// fixed box: a caption that the window's font does not fit is drawn in the
// largest smaller size that does. With the faces the layout was measured
// against nothing changes.
void fitCaptions(QWidget *window);

// Makes the label the box's buddy and names the box after the caption, so a
// screen reader announces the box as the label reads.
void nameAfter(QLabel *label, QWidget *box);

// Writes a placeholder into an editable list's field with no item chosen. The
// caret goes to the start, so a placeholder wider than a narrow field shows
// its first letters.
void showPlaceholder(QComboBox *list, const QString &placeholder);

// An editable pick list placed on the window, showing its placeholder. Only a
// real pick acts: the list never adds typed text as an item (Enter in it
// belongs to the window), and has no completer, which would turn typed text
// into a pick of a matching item ("1" into "10") on Enter or focus-out.
QComboBox *placePickList(QWidget *window, const char *name, QRect geometry,
                         const QString &placeholder);

// Appends items to an editable list without choosing one: an empty list would
// otherwise make its first item current and write it over the placeholder.
void appendItems(QComboBox *list, const QStringList &items);

// Calls `changed(false)` on every change of the entries (text boxes, lists,
// tick boxes) and `changed(true)` after each change the user makes, for as
// long as `context` lives.
void whenChanged(QObject *context, const QList<QWidget *> &entries,
                 const std::function<void(bool byUser)> &changed);

// A single-line text box that reports when the user moves the focus into it,
// just after the move has reached assistive technology, so that a screen
// reader names the box before anything else is said of it. Reached by the
// keyboard, it shows its tooltip as it would on hover.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    // Selects the whole text, so a focused entry can be typed over or copied.
    void selectWholeText();
signals:
    void gotFocus();

protected:
    friend class TextBoxAccessible; // reads where the caret is drawn
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_focusSuspended = false;
};

// A bordered box showing a picture at its own size from the top-left corner,
// clipped to the inside of the border. The picture is decoded on first paint,
// not when the window is built.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    PictureBox(const QString &resource, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QPixmap m_picture;
};

// A straight line on the window's surface, from (x1, y1) to (x2, y2) in twips,
// widening down or right; only horizontal and vertical lines are needed. It
// takes the window-text colour unless given one.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(int x1, int y1, int x2, int y2, QWidget *parent, int width = 1,
         const QColor &color = QColor());

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};

} // namespace quorrel::ui
