#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <utility>

namespace quorrel::ui
{

// Qt's file dialog, the print dialog's too, writes the folders it visited to
// the user's settings whenever it closes. Where case sheets went is not ours
// to keep, and Quorrel has no settings of its own. For as long as one lives,
// a dialog's writes go nowhere or are undone.
class NoDialogHistory
{
public:
    NoDialogHistory()
    {
#ifdef Q_OS_WIN
        // In the registry, beneath keys every Qt program shares: what the
        // dialog's own key held before is put back afterwards, and keys
        // made only now go again.
        QSettings software(kSoftware, QSettings::NativeFormat);
        m_hadProject = software.childGroups().contains(kProject);
        software.beginGroup(kProject);
        m_hadDefaults = software.childGroups().contains(kDefaults);
        software.beginGroup(kDefaults + '/' + kGroup);
        for (const QString &key : software.allKeys())
            m_saved.append({key, software.value(key)});
#else
        // In ~/.config/QtProject.conf: user settings are sent beneath the
        // program's own file, a folder that can never be made, so that the
        // write finds nowhere to go and nothing is read back either.
        const QString program = QCoreApplication::applicationFilePath();
        if (QFileInfo(program).isFile())
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, program);
#endif
    }
    ~NoDialogHistory()
    {
#ifdef Q_OS_WIN
        QSettings software(kSoftware, QSettings::NativeFormat);
        const QString defaults = kProject + '/' + kDefaults;
        software.remove(defaults + '/' + kGroup);
        for (const auto &[key, value] : m_saved)
            software.setValue(defaults + '/' + kGroup + '/' + key, value);
        // Keys made only now go again, unless another program has written
        // to them meanwhile.
        const auto removeIfEmpty = [&](const QString &key) {
            software.beginGroup(key);
            const bool empty = software.allKeys().isEmpty();
            software.endGroup();
            if (empty)
                software.remove(key);
        };
        if (!m_hadDefaults)
            removeIfEmpty(defaults);
        if (!m_hadProject)
            removeIfEmpty(kProject);
#endif
    }
    NoDialogHistory(const NoDialogHistory &) = delete;
    NoDialogHistory &operator=(const NoDialogHistory &) = delete;

private:
#ifdef Q_OS_WIN
    // Where Qt's dialog keeps its settings, for the organization "QtProject"
    // and no application.
    static inline const QString kSoftware = QStringLiteral("HKEY_CURRENT_USER\\Software");
    static inline const QString kProject = QStringLiteral("QtProject");
    static inline const QString kDefaults = QStringLiteral("OrganizationDefaults");
    static inline const QString kGroup = QStringLiteral("FileDialog");
    bool m_hadProject = false;
    bool m_hadDefaults = false;
    QList<std::pair<QString, QVariant>> m_saved;
#endif
};

} // namespace quorrel::ui
