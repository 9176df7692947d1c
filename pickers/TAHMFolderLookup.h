#pragma once

#include "pickers/TAHMCustomLookupEdit.h"

#include <QPointer>

// A lookup edit whose one button opens the folder dialog; the chosen
// folder becomes the text, and OnPathChanged reports the old and the new
// path when the text changed.
class TAHMFolderLookup : public TAHMCustomLookupEdit {
    Q_OBJECT
    Q_PROPERTY(QString LookupCaption READ lookupCaption WRITE setLookupCaption)
    Q_PROPERTY(TAHMInfoFlagSet LookupFlags READ lookupFlags WRITE setLookupFlags)
    Q_PROPERTY(TAHMRoots LookupRoot READ lookupRoot WRITE setLookupRoot)
public:
    // The folder the dialog's tree starts at; csidlDesktopExpanded gives it
    // no root at all.
    enum TAHMRoots {
        csidlDesktop,
        csidlDesktopExpanded,
        csidlPrograms,
        csidlControlPanel,
        csidlPrinters,
        csidlPersonal,
        csidlFavorites,
        csidlStartup,
        csidlRecent,
        csidlSendto,
        csidlRecycleBin,
        csidlStartMenu,
        csidlDesktopDirectory,
        csidlMyComputer,
        csidlNetwork,
        csidlNetworkNeighborhood,
        csidlFonts,
        csidlTemplates,
    };
    Q_ENUM(TAHMRoots)

    enum TAHMInfoFlags {
        FileSystemDirsOnly = 0x01,
        DontGoBelowDomain = 0x02,
        StatusText = 0x04,
        FileSystemAncestors = 0x08,
        LookupForComputer = 0x10,
        LookupForPrinter = 0x20,
        DisplayPath = 0x40,
    };
    Q_DECLARE_FLAGS(TAHMInfoFlagSet, TAHMInfoFlags)
    Q_FLAG(TAHMInfoFlagSet)

    explicit TAHMFolderLookup(QWidget* parent = nullptr);

    QString lookupCaption() const { return m_lookupCaption; }
    void setLookupCaption(const QString& caption) { m_lookupCaption = caption; }
    TAHMInfoFlagSet lookupFlags() const { return m_lookupFlags; }
    void setLookupFlags(TAHMInfoFlagSet flags) { m_lookupFlags = flags; }
    TAHMRoots lookupRoot() const { return m_lookupRoot; }
    void setLookupRoot(TAHMRoots root) { m_lookupRoot = root; }
    // The window the dialog belongs to; by default the edit's own window.
    QWidget* ownerHandle() const { return m_ownerHandle; }
    void setOwnerHandle(QWidget* owner) { m_ownerHandle = owner; }
    // The folder the dialog opens on while the text names no folder.
    QString initialDir() const { return m_initialDir; }
    void setInitialDir(const QString& dir) { m_initialDir = dir; }
    // The name of the folder chosen last.
    QString displayName() const { return m_displayName; }

    // Opens the folder dialog; true when the user chose a folder.
    bool Lookup();

    // The special folder a root stands for (the shell's numbering), or -1
    // for csidlDesktopExpanded.
    static int SpecialFolderOf(TAHMRoots root);
    // The folder the dialog is kept inside; empty for the whole file system.
    static QString RootFolder(TAHMRoots root);

signals:
    void BeforeLookup(QObject* sender);
    void AfterLookup(QObject* sender);
    void OnPathChanged(QObject* sender, QString oldPath, QString newPath);

private:
    QString m_lookupCaption;
    TAHMInfoFlagSet m_lookupFlags = TAHMInfoFlagSet(FileSystemDirsOnly | StatusText);
    TAHMRoots m_lookupRoot = csidlDesktopExpanded;
    QPointer<QWidget> m_ownerHandle;
    QString m_displayName;
    QString m_initialDir;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAHMFolderLookup::TAHMInfoFlagSet)
