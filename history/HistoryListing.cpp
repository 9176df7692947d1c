#include "history/HistoryListing.h"

#include <QStringList>

namespace history {

QString EscapeField(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                escaped += c;
        }
    }
    return escaped;
}

QString HistoryListing(const QList<HistoryEntry>& entries)
{
    QString listing = QStringLiteral("started_at\tsource\tmode\tdestination\toutput\toutcome\treason\tduration_ms\n");
    for (const HistoryEntry& e : entries) {
        const QStringList fields = {e.startedAt, e.source, e.mode, e.destination, e.output, e.outcome, e.reason};
        for (const QString& field : fields)
            listing += EscapeField(field) + u'\t';
        listing += QString::number(e.durationMs) + u'\n';
    }
    return listing;
}

} // namespace history
