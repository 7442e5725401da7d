#include "widgets.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFont>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace quorrel::ui
{

QFont windowFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QPushButton *makeFaceButton(const char *name, const QString &caption, QRect geometry,
                            QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
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

void nameAfter(QLabel *label, QWidget *box)
{
    label->setBuddy(box);
    box->setAccessibleName(label->text());
}

void showPlaceholder(QComboBox *list, const QString &placeholder)
{
    list->setCurrentIndex(-1);
    list->setEditText(placeholder);
    list->lineEdit()->setCursorPosition(0);
}

void appendItems(QComboBox *list, const QStringList &items)
{
    const QString placeholder = list->currentText();
    list->addItems(items);
    showPlaceholder(list, placeholder);
}

void TextBox::selectWholeText()
{
    if (!text().isEmpty())
        setSelection(0, static_cast<int>(text().size()));
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit gotFocus();
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

} // namespace quorrel::ui
