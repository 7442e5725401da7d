#include "textboxaccessible.h"

#include "widgets.h"

namespace quorrel::ui
{

TextBoxAccessible::TextBoxAccessible(TextBox *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

TextBox *TextBoxAccessible::box() const
{
    return static_cast<TextBox *>(widget());
}

QString TextBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(t);
}

void TextBoxAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (!box()->isReadOnly())
        box()->setText(text);
}

QAccessible::State TextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

void *TextBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void TextBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int TextBoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void TextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int TextBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void TextBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString TextBoxAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset < 0 || endOffset < startOffset)
        return {};
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int TextBoxAccessible::characterCount() const
{
    return static_cast<int>(box()->text().size());
}

QRect TextBoxAccessible::characterRect(int offset) const
{
    const QString shown = box()->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // The box scrolls its text so the caret stays visible; measured from
    // the caret, the character's place holds whatever the scroll.
    const QFontMetrics metrics = box()->fontMetrics();
    const int caretX = box()->cursorRect().center().x();
    const int caret = box()->cursorPosition();
    const int x = caretX + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(caret));
    const QRect local(x, box()->cursorRect().top(), metrics.horizontalAdvance(shown.at(offset)),
                      box()->cursorRect().height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int TextBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int)
{
    box()->setCursorPosition(startIndex);
}

QString TextBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void TextBoxAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void TextBoxAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (box()->isReadOnly())
        return;
    box()->setSelection(startOffset, endOffset - startOffset);
    box()->insert(text);
}

} // namespace quorrel::ui
