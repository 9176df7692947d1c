#include "convert/DocumentJob.h"

#include "convert/CommandLines.h"
#include "convert/FailureReason.h"
#include "convert/Messages.h"
#include "convert/RipMode.h"
#include "runtime/ChildProcess.h"
#include "runtime/CommandLine.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace convert {

namespace {

const QString Slash = QStringLiteral("/");

bool isProgramFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

DocumentJob::DocumentJob(Setup setup, QObject* parent) : QObject(parent), m_setup(std::move(setup))
{
}

DocumentJob::~DocumentJob()
{
    if (m_converter)
        m_converter->stopGroup();
}

QString DocumentJob::baseName() const
{
    return BaseName(m_setup.source, Slash);
}

QString DocumentJob::stagedFile(const QString& extension) const
{
    return m_stage ? m_stage->filePath(baseName() + extension) : QString();
}

QString DocumentJob::stagedHtml() const
{
    return stagedFile(QStringLiteral(".html"));
}

QString DocumentJob::stagedRtf() const
{
    return stagedFile(QStringLiteral(".rtf"));
}

QString DocumentJob::outputPath() const
{
    const QString extension = m_setup.mode == PlainText ? QStringLiteral(".txt")
        : MakesRtf(m_setup.mode)                        ? QStringLiteral(".rtf")
                                                        : QStringLiteral(".html");
    return OutputPath(m_setup.destination, baseName(), extension, Slash);
}

void DocumentJob::start()
{
    m_state = State::Converting;
    // A converter handed a folder only says it found no trailer in it; one
    // handed a named pipe or a device waits on it until the time limit.
    const QFileInfo source(m_setup.source);
    if (source.isDir()) {
        fail(QStringLiteral("%1 is a folder, not a PDF file").arg(QDir::toNativeSeparators(m_setup.source)));
        return;
    }
    if (source.exists() && !source.isFile()) {
        fail(QStringLiteral("%1 is a named pipe or a device, not a PDF file")
                 .arg(QDir::toNativeSeparators(m_setup.source)));
        return;
    }
    if (!m_setup.outputTakenBy.isEmpty()) {
        fail(QStringLiteral("%1 is already the output of %2")
                 .arg(QFileInfo(outputPath()).fileName(), m_setup.outputTakenBy));
        return;
    }
    m_stage = std::make_unique<PrivateFolder>(m_setup.destination, StagingFolderPrefix);
    if (!m_stage->isValid()) {
        fail(QStringLiteral("cannot write into %1: %2").arg(m_setup.destination, m_stage->errorString()));
        return;
    }
    // The converter runs inside the private folder and is handed "./NAME":
    // the HTML then refers to its images relatively, so it stays right once
    // moved, and no name can pass for an option.
    CommandLineInput input;
    input.ripMode = m_setup.mode;
    input.source = m_setup.source;
    input.destination = QStringLiteral(".");
    input.options = m_setup.options;
    runtime::ProgramCall call;
    if (m_setup.mode == PlainText) {
        call = runtime::SplitCommandLine(TextConverterCommandLine(m_setup.windir, input, Slash), isProgramFile);
    } else {
        call.program = SystemProgramPath(m_setup.windir, HtmlConverterName, Slash);
        call.arguments = runtime::SplitArguments(HtmlConverterParameters(input, Slash));
    }
    runtime::ChildProcess::Options options;
    options.workingDirectory = m_stage->path();
    options.timeLimitMs = m_setup.timeLimitMs;
    m_converter = runtime::ChildProcess::launch(call.program, call.arguments, options);
    connect(m_converter.data(), &runtime::ChildProcess::ended, this, &DocumentJob::converterEnded);
    if (m_converter->hasEnded())
        converterEnded();
}

void DocumentJob::converterEnded()
{
    runtime::ChildProcess* child = m_converter.data();
    m_converter.clear();
    if (m_state != State::Converting || !child)
        return;
    const ConverterEnd end = EndOf(*child);
    const QString output = stagedFile(m_setup.mode == PlainText ? QStringLiteral(".txt") : QStringLiteral(".html"));
    if (!child->succeeded() || QFileInfo(output).size() <= 0) {
        const QString reason = FailureReason(end);
        fail(reason.isEmpty() ? NotWrittenReason : reason);
        return;
    }
    if (MakesRtf(m_setup.mode)) {
        m_state = State::HtmlReady;
        emit changed();
        return;
    }
    commit(m_setup.mode == PlainText ? QStringLiteral(".txt") : QStringLiteral(".html"));
}

void DocumentJob::finishRtf(const QString& failure)
{
    if (m_state != State::HtmlReady)
        return;
    if (!failure.isEmpty())
        fail(failure);
    else if (QFileInfo(stagedRtf()).size() <= 0)
        fail(NotWrittenReason);
    else
        commit(QStringLiteral(".rtf"));
}

void DocumentJob::commit(const QString& mainExtension)
{
    // Images first, then the HTML, the main output last: whoever waits for
    // the main file finds what it refers to already there.
    const QString main = baseName() + mainExtension;
    const QString html = baseName() + QStringLiteral(".html");
    QStringList names = QDir(m_stage->path()).entryList(QDir::Files | QDir::Hidden);
    const auto rank = [&](const QString& name) { return name == main ? 2 : name == html ? 1 : 0; };
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) { return rank(a) < rank(b); });
    for (const QString& name : names) {
        const QByteArray from = QFile::encodeName(m_stage->filePath(name));
        const QByteArray to = QFile::encodeName(m_setup.destination + Slash + name);
        // rename() replaces an older file in one step; QFile::rename refuses.
        if (std::rename(from.constData(), to.constData()) != 0) {
            fail(QStringLiteral("cannot move %1 into %2: %3")
                     .arg(name, m_setup.destination, QString::fromLocal8Bit(std::strerror(errno))));
            return;
        }
    }
    m_stage.reset();
    m_state = State::Converted;
    emit changed();
}

void DocumentJob::fail(const QString& reason)
{
    m_reason = reason;
    m_stage.reset();
    m_state = State::Failed;
    emit changed();
}

void DocumentJob::cancel()
{
    if (isFinished())
        return;
    if (m_converter)
        m_converter->stopGroup();
    m_converter.clear();
    m_stage.reset();
    m_state = State::Canceled;
    emit changed();
}

} // namespace convert
