#pragma once

#include <QString>
#include <stdexcept>

namespace runtime {

// The one exception type of the system. An error that no handler catches
// ends the current operation and reaches the application's default error
// box; it never crosses Qt's event dispatch (Application::notify stops it).
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Raised when a bitmap or form resource is looked up by a name the program
// does not carry.
class ResourceNotFound : public RuntimeError {
public:
    explicit ResourceNotFound(const QString& name);
};

} // namespace runtime
