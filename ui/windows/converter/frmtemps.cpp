#include "frmtemps.h"

#include "convert.h"
#include "numbers.h"
#include "widgets.h"
#include "wording.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace quorrel::ui
{
namespace
{

// The converted temperature with its unit, or "out of range" where the
// double range ends.
QString shown(const Result<double> &value, QChar unit)
{
    if (!value)
        //: In place of a converted temperature the range of numbers cannot hold.
        return frmTemps::tr("out of range");
    return QString::fromStdString(numberToText(*value, QLocale().decimalPoint().toStdString())) +
           kDegreeSign + unit;
}

// The line as it fits a width: the typed value gives way first, shortened
// with an ellipsis, since the answer after it is the point of the line.
QString fitted(const QFontMetrics &metrics, int width, const QString &typed, const QString &rest)
{
    if (metrics.horizontalAdvance(typed + rest) <= width)
        return typed + rest;
    const int left = width - metrics.horizontalAdvance(rest);
    const QString shortened =
        left > 0 ? metrics.elidedText(typed, Qt::ElideRight, left) : QString();
    if (!shortened.isEmpty())
        return shortened + rest;
    return metrics.elidedText(typed + rest, Qt::ElideRight, width);
}

} // namespace

frmTemps::frmTemps()
{
    //: The window's caption; " - Halbrook" stays as it is.
    setUpWindow("frmTemps", tr("Degree Conversions - Halbrook"),
                QStringLiteral(":/icons/converter.bmp"), Qt::white);
    setFixedClientSize(3525, 1980);

    // Created bottom-most first.
    lblConvert = place<QLabel>(this, "lblConvert", twips(0, 0, 2895, 495),
                               tr("Convert temperatures between Degrees Celsius and Fahrenheit"));
    lblConvert->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblConvert->setWordWrap(true);
    lblConvert->setFont(windowFont(true));
    QPalette blue = lblConvert->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 192));
    lblConvert->setPalette(blue);

    // As wide as the heading, left of the thermometer, so a long line is seen
    // whole.
    lblConvertedTemps = place<QLabel>(this, "lblConvertedTemps", twips(0, 960, 2895, 240));
    lblConvertedTemps->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The line shows what was typed, exactly: never as markup.
    lblConvertedTemps->setTextFormat(Qt::PlainText);
    lblConvertedTemps->setBackgroundRole(QPalette::Base);
    lblConvertedTemps->setForegroundRole(QPalette::Text);
    lblConvertedTemps->setAutoFillBackground(true);
    lblConvertedTemps->hide();

    Picture1 = place<PictureBox>(this, "Picture1", twips(3000, -720, 615, 2895),
                                 QStringLiteral(":/pictures/thermometer.bmp"));
    Picture1->setFocusPolicy(Qt::StrongFocus);

    txtInputTemp = place<TextBox>(this, "txtInputTemp", twips(120, 600, 1215, 285));

    cboDegrees =
        //: What the list of scales shows while none is picked.
        placePickList(this, "cboDegrees", twips(1440, 600, 1095, 315), tr("Degrees"));

    cmdCloseTempsForm =
        place<QPushButton>(this, "cmdCloseTempsForm", twips(720, 1320, 975, 285), tr("Close"));
    // Neither default nor cancel button: Enter in the text box does nothing.
    cmdCloseTempsForm->setAutoDefault(false);

    nameAfter(lblConvert, txtInputTemp);
    cboDegrees->setAccessibleName(tr("Scale of the typed temperature"));
    cboDegrees->lineEdit()->setAccessibleName(cboDegrees->accessibleName());
    Picture1->setAccessibleName(tr("Picture of a thermometer"));
    setTabOrder(txtInputTemp, cboDegrees);
    setTabOrder(cboDegrees, cmdCloseTempsForm);
    setTabOrder(cmdCloseTempsForm, Picture1);
    txtInputTemp->setFocus();
    // Escape hides it; Close does too, through its own handler.
    setHideOnClose();

    connect(cboDegrees, &QComboBox::activated, this, &frmTemps::cboDegrees_Click);
    connect(cmdCloseTempsForm, &QPushButton::clicked, this, &frmTemps::cmdCloseTempsForm_Click);
}

void frmTemps::Form_Load()
{
    appendItems(cboDegrees, {' ' + kDegreeSign + 'F', ' ' + kDegreeSign + 'C'});
}

bool frmTemps::Form_KeyDown(int key, Qt::KeyboardModifiers)
{
    // Close is no default button, so Enter in the text box does nothing; a
    // focused Close still takes Enter, as every button does.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const bool onClose = cmdCloseTempsForm->hasFocus();
        if (onClose)
            cmdCloseTempsForm->click();
        // Enter on text typed into the list would pick the item it matches;
        // only a real pick converts, so it is swallowed.
        return onClose || cboDegrees->hasFocus() || cboDegrees->lineEdit()->hasFocus();
    }
    return false;
}

void frmTemps::cmdCloseTempsForm_Click()
{
    hide();
}

void frmTemps::cboDegrees_Click()
{
    const int scale = cboDegrees->currentIndex();
    if (scale != 0 && scale != 1)
        return;
    const Result<double> converted =
        convertTemperature(txtInputTemp->text().toStdString(),
                           scale == 0 ? Scale::Fahrenheit : Scale::Celsius, userNumberLocale());
    const QString rest = cboDegrees->itemText(scale) + QStringLiteral("  =  ") +
                         shown(converted, scale == 0 ? 'C' : 'F');
    const QString line = txtInputTemp->text() + rest;
    // The whole line stays in the tooltip and for screen readers.
    lblConvertedTemps->setText(fitted(lblConvertedTemps->fontMetrics(),
                                      lblConvertedTemps->contentsRect().width(),
                                      txtInputTemp->text(), rest));
    lblConvertedTemps->setToolTip(line);
    lblConvertedTemps->setAccessibleName(line);
    lblConvertedTemps->show();
    // Screen readers speak a change of the focused object's description, and
    // the focus stays in the list (or its text field) after a pick: so the
    // result is heard at once.
    cboDegrees->setAccessibleDescription(line);
    cboDegrees->lineEdit()->setAccessibleDescription(line);
}

} // namespace quorrel::ui
