#include "runtime/WriterDocument.h"

#include "runtime/ChildProcess.h"
#include "runtime/EventWait.h"
#include "runtime/WriterApplication.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace runtime {

WriterDocument::WriterDocument(WriterApplication* application, const QString& path, QObject* parent)
    : AutomationObject(parent)
    , m_application(application)
    , m_path(path)
{
}

void WriterDocument::SaveAs(const QString& FileName, int FileFormat)
{
    QString target = FileName;
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        target = target.mid(1, target.size() - 2);
    if (FileFormat != RtfFormat) {
        raise(QStringLiteral("File format %1 is not supported.").arg(FileFormat));
        return;
    }
    // soffice names its output after the input; it writes into a folder of
    // its own and the file is moved to the requested name afterwards.
    QTemporaryDir outDir;
    const QStringList arguments = {
        QStringLiteral("-env:UserInstallation=") + m_application->profileUrl(),
        QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--nologo"),
        QStringLiteral("--infilter=HTML (StarWriter)"),
        QStringLiteral("--convert-to"), QStringLiteral("rtf:Rich Text Format"),
        QStringLiteral("--outdir"), outDir.path(), m_path,
    };
    QPointer<ChildProcess> child = ChildProcess::launch(WriterApplication::program(), arguments);
    EventWait until([&] { return !child || child->hasEnded(); });
    until.wakeOn(child.data(), &ChildProcess::ended);
    if (!until.run(WriterApplication::timeLimit())) {
        child->stopGroup();
        raise(QStringLiteral("The word processor did not finish %1 within %2 seconds.")
                  .arg(target).arg(WriterApplication::timeLimit() / 1000.0));
        return;
    }
    const QString produced = outDir.filePath(QFileInfo(m_path).completeBaseName() + QStringLiteral(".rtf"));
    if (QFileInfo(produced).size() <= 0) {
        raise(QStringLiteral("The word processor could not save %1.").arg(target));
        return;
    }
    QFile::remove(target);
    if (!QFile::rename(produced, target) && !QFile::copy(produced, target))
        raise(QStringLiteral("%1 cannot be written.").arg(target));
}

} // namespace runtime
