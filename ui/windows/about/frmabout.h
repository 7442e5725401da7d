#pragma once

#include "form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quorrel::ui
{

class Line;
class PictureBox;

// What the program computes and how to use it, with the worked example. Shown
// modally and unloaded on close, so every opening starts afresh.
class frmAbout : public Form
{
    Q_OBJECT
public:
    frmAbout();

    QPushButton *cmdOK;
    PictureBox *picIcon;
    QLabel *lblDisclaimer;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QPlainTextEdit *txtDescription;
    QPushButton *cmdEmail;
    Line *Line1[2];

    // Where Email Me writes to.
    static const QString kMailLink;

public slots:
    void cmdOK_Click();
    void cmdEmail_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formatAboutString();
};

} // namespace quorrel::ui
