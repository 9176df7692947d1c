#pragma once

#include <QApplication>
#include <QString>

#include <exception>

namespace runtime {

// The application object of the windowing runtime: it owns the title shown
// on every OK message box and catches errors that no handler caught, so one
// failed operation never takes the window down.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    static QString title();
    static void setTitle(const QString& title);

    // Takes and dispatches every pending event, then returns.
    static void processMessages();

    // The default error box: the error's text, the title as caption, an
    // error icon and OK.
    static void handleException(const std::exception& error);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace runtime
