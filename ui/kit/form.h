#pragma once

#include <QDialog>

class QAbstractButton;

namespace quorrel::ui
{

// A window of the program with the life of a form: created on first use,
// loaded (Form_Load) just before it is first shown, and released when it is
// unloaded. Loaded forms are listed in load order; the program ends when the
// list runs empty.
class Form : public QDialog
{
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    // A form still counts as loaded while its own unload step runs.
    bool isLoaded() const { return m_state == State::Loaded || m_state == State::Unloading; }
    bool isUnloaded() const { return m_state == State::Unloaded; }

    void load();
    void unload();

    void setVisible(bool visible) override;

    // Shows the window on top of the others, with the keyboard in it.
    void present();

protected:
    // Name, caption, icon, font and background: who the window is, shared by
    // every window. The title bar has the close box only. An invalid background
    // keeps the desktop's. A Dialog window type keeps it off the taskbar.
    void setUpWindow(const char *name, const QString &caption, const QString &icon,
                     const QColor &background, Qt::WindowType type = Qt::Window);
    // A fixed border around a client area of the given size in twips.
    void setFixedClientSize(int widthTwips, int heightTwips);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Key preview: sees every key press meant for this window before the
    // control with the focus does. Returns true to swallow the key.
    virtual bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void setKeyPreview(bool on);
    // A tool window: Escape, and the Close button where given, only hide it,
    // so it keeps what it holds; its close box still unloads it.
    void setHideOnClose(QAbstractButton *close = nullptr);

    void closeEvent(QCloseEvent *event) override;
    // A dialog's Escape and cancel paths end up here; they close it the way
    // the close box does.
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class State { Created, Loaded, Unloading, Unloaded };
    State m_state = State::Created;
    bool m_keyPreview = false;
    bool m_hideOnClose = false;
};

// The loaded forms, in load order.
class LoadedForms : public QObject
{
    Q_OBJECT
public:
    static LoadedForms &instance();
    int count() const { return static_cast<int>(m_forms.size()); }
    Form *at(int index) const { return m_forms.at(index); }

signals:
    // No form is loaded any more: the program's end.
    void allUnloaded();

private:
    friend class Form;
    void add(Form *form);
    void remove(Form *form);
    QList<Form *> m_forms;
};

} // namespace quorrel::ui
