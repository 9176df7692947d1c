#include "runtime/RuntimeError.h"

namespace runtime {

RuntimeError::RuntimeError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message)
{
}

ResourceNotFound::ResourceNotFound(const QString& name)
    : RuntimeError(QStringLiteral("Resource %1 not found").arg(name))
{
}

} // namespace runtime
