#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Qt's file dialog remembers folders, side bar and view mode in the user's
// configuration. Tests that open one keep those settings in a temporary
// folder instead, so they neither change the user's dialogs nor depend on them.
inline void KeepQtSettingsPrivate()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

// A fresh, empty user configuration for as long as it lives (the program's
// remembered choices included), so each test starts from the defaults and
// leaves nothing behind for the next.
class PrivateQtSettings {
public:
    PrivateQtSettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
    }
    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};
