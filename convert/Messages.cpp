#include "convert/Messages.h"

namespace convert {

QString ConversionFailedMessage(const QString& outputPath, const QString& reason)
{
    QString text = QStringLiteral("Conversion failed: %1 was not written.").arg(outputPath);
    if (!reason.isEmpty())
        text += u' ' + reason;
    return text;
}

} // namespace convert
