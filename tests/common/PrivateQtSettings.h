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
