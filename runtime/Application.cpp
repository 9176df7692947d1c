#include "runtime/Application.h"

#include "runtime/MessageService.h"
#include "runtime/RuntimeError.h"

namespace runtime {

namespace {
QString& titleStorage()
{
    static QString value;
    return value;
}
} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
}

QString Application::title()
{
    return titleStorage();
}

void Application::setTitle(const QString& title)
{
    titleStorage() = title;
    QCoreApplication::setApplicationName(title);
}

void Application::processMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Application::handleException(const std::exception& error)
{
    QString text;
    if (auto* runtimeError = dynamic_cast<const RuntimeError*>(&error))
        text = runtimeError->message();
    else
        text = QString::fromLocal8Bit(error.what());
    MessageService::show(nullptr, {text, title(), MbOk | MbIconError});
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    // Exceptions must not unwind through Qt's event dispatch; they end the
    // handler that raised them and nothing else.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        handleException(error);
    }
    return false;
}

} // namespace runtime
