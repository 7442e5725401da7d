#include "form.h"

#include <QAbstractButton>

#include "widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>

namespace quorrel::ui
{

Form::Form(QWidget *parent) : QDialog(parent) {}

void Form::setUpWindow(const char *name, const QString &caption, const QString &icon,
                       const QColor &background, Qt::WindowType type)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setWindowIcon(QIcon(loadPicture(icon)));
    // The close box only: no minimize or maximize button.
    setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(windowFont());
    if (background.isValid()) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, background);
        setPalette(colours);
    }
    setAutoFillBackground(true);
}

void Form::setFixedClientSize(int widthTwips, int heightTwips)
{
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips(0, 0, widthTwips, heightTwips).size());
}

Form::~Form()
{
    if (isLoaded())
        LoadedForms::instance().remove(this);
}

void Form::load()
{
    if (m_state != State::Created)
        return;
    m_state = State::Loaded;
    LoadedForms::instance().add(this);
    Form_Load();
    // The load step sets the last captions; the desktop's font may be wider
    // than the one the layout was measured against.
    fitCaptions(this);
}

void Form::unload()
{
    // Once only: an unload step that reaches this form again changes nothing.
    if (m_state != State::Loaded)
        return;
    m_state = State::Unloading;
    Form_Unload();
    m_state = State::Unloaded;
    setKeyPreview(false);
    QDialog::setVisible(false);
    deleteLater(); // may be inside one of its own handlers
    LoadedForms::instance().remove(this);
}

void Form::setVisible(bool visible)
{
    if (visible && m_state == State::Unloaded)
        return;
    if (visible)
        load();
    QDialog::setVisible(visible);
}

void Form::present()
{
    show();
    raise();
    activateWindow();
}

void Form::setHideOnClose(QAbstractButton *close)
{
    m_hideOnClose = true;
    setKeyPreview(true);
    if (close)
        connect(close, &QAbstractButton::clicked, this, &QWidget::hide);
}

bool Form::Form_KeyDown(int, Qt::KeyboardModifiers)
{
    return false;
}

void Form::setKeyPreview(bool on)
{
    if (on == m_keyPreview)
        return;
    m_keyPreview = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void Form::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void Form::reject()
{
    close();
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (Form_KeyDown(key->key(), key->modifiers()))
            return true;
        if (m_hideOnClose && key->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

LoadedForms &LoadedForms::instance()
{
    static LoadedForms forms;
    return forms;
}

void LoadedForms::add(Form *form)
{
    m_forms.append(form);
}

void LoadedForms::remove(Form *form)
{
    if (m_forms.removeOne(form) && m_forms.isEmpty())
        emit allUnloaded();
}

} // namespace quorrel::ui
