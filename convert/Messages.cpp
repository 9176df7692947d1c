#include "convert/Messages.h"

#include <QStringList>

namespace convert {

QString Printable(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    return shown;
}

QString ConversionFailedMessage(const QString& outputPath, const QString& reason)
{
    QString text = QStringLiteral("Conversion failed: %1 was not written.").arg(Printable(outputPath));
    if (!reason.isEmpty())
        text += u' ' + Printable(reason);
    return text;
}

QString CannotOpenResultMessage(const QString& path)
{
    return QStringLiteral("Cannot open %1: no program could be started to show it.").arg(Printable(path));
}

QString ProcessingStatus(const QString& name)
{
    return QStringLiteral("Processing ") + Printable(name) + QStringLiteral(" ....");
}

QString BatchSummaryMessage(int converted)
{
    return QStringLiteral("Task complete! ") + QString::number(converted)
        + QStringLiteral(" PDF files have been ripped and converted.");
}

QString BatchFailuresMessage(const QStringList& documents)
{
    QStringList lines;
    for (const QString& document : documents)
        lines << Printable(document);
    return QStringLiteral("These PDF files could not be converted:\n") + lines.join(u'\n');
}

} // namespace convert
