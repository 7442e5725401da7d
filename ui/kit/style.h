#pragma once

#include <QProxyStyle>

namespace quorrel::ui
{

// The desktop's style with these changes: a pick list drops down below its
// field, as the layout was drawn for; a group's caption is set into the top
// border of its frame, at the left; arrows, group frames and the menu bar's
// overflow chevron are drawn as shapes rather than read from the style's
// image files, whose loading would pull in every image plugin; and Alt alone
// does not enter the menu bar.
class QuorrelStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget) const override;
    // The menu bar's button for titles that do not fit gets a chevron drawn
    // as shapes when it is shown: the style's own image would load every
    // image plugin as the bar is built.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override;
};

} // namespace quorrel::ui
