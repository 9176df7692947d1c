#include "convert/Messages.h"

#include <QStringList>

namespace convert {

QString ConversionFailedMessage(const QString& outputPath, const QString& reason)
{
    QString text = QStringLiteral("Conversion failed: %1 was not written.").arg(outputPath);
    if (!reason.isEmpty())
        text += u' ' + reason;
    return text;
}

QString ProcessingStatus(const QString& name)
{
    return QStringLiteral("Processing ") + name + QStringLiteral(" ....");
}

QString BatchSummaryMessage(int converted)
{
    return QStringLiteral("Task complete! ") + QString::number(converted)
        + QStringLiteral(" PDF files have been ripped and converted.");
}

QString BatchFailuresMessage(const QStringList& documents)
{
    return QStringLiteral("These PDF files could not be converted:\n") + documents.join(u'\n');
}

} // namespace convert
