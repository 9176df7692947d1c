#include "runtime/WriterApplication.h"

#include "runtime/WriterDocuments.h"

#include <QUrl>

namespace runtime {

namespace {
int& timeLimitStorage()
{
    static int value = 2 * 60 * 1000;
    return value;
}
QString& programStorage()
{
    static QString value = QStringLiteral("soffice");
    return value;
}
} // namespace

WriterApplication::WriterApplication()
    : m_documents(new WriterDocuments(this))
{
}

WriterApplication::~WriterApplication() = default;

QObject* WriterApplication::documents() const
{
    return m_documents;
}

void WriterApplication::Quit()
{
    m_profile.remove();
}

QString WriterApplication::profileUrl() const
{
    return QUrl::fromLocalFile(m_profile.path()).toString();
}

void WriterApplication::setTimeLimit(int milliseconds)
{
    timeLimitStorage() = milliseconds;
}

int WriterApplication::timeLimit()
{
    return timeLimitStorage();
}

void WriterApplication::setProgram(const QString& program)
{
    programStorage() = program;
}

QString WriterApplication::program()
{
    return programStorage();
}

} // namespace runtime
