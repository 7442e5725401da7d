#pragma once

#include "form.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quorrel::ui
{

class PictureBox;
class TextBox;

// The degree converter: one typed temperature, converted between Fahrenheit
// and Celsius when the user picks the scale it was typed in. Close and Escape
// only hide it, so it keeps what it shows; the close box unloads it.
class frmTemps : public Form
{
    Q_OBJECT
public:
    frmTemps();

    QLabel *lblConvert;
    TextBox *txtInputTemp;
    QComboBox *cboDegrees;
    QLabel *lblConvertedTemps;
    QPushButton *cmdCloseTempsForm;
    PictureBox *Picture1;

public slots:
    void cboDegrees_Click();
    void cmdCloseTempsForm_Click();

protected:
    void Form_Load() override;
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers) override;
};

} // namespace quorrel::ui
