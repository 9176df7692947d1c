#include "app/ConsoleFrontEnd.h"

#include "convert/Messages.h"

#include <cstdio>

namespace app {

namespace {
void printLine(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}
} // namespace

ConsoleFrontEnd::ConsoleFrontEnd(bool openResults) : m_openResults(openResults)
{
}

void ConsoleFrontEnd::showMessage(const QString& text)
{
    printLine(text);
}

bool ConsoleFrontEnd::askToViewResult()
{
    printLine(convert::ViewResultPrompt + (m_openResults ? QStringLiteral(" Yes") : QStringLiteral(" No")));
    return m_openResults;
}

void ConsoleFrontEnd::setStatus(const QString& text)
{
    printLine(text);
}

} // namespace app
