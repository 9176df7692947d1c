#include "convert/DocumentRecord.h"

namespace convert {

QString OutcomeText(DocumentRecord::Outcome outcome)
{
    switch (outcome) {
    case DocumentRecord::Outcome::Converted:
        return QStringLiteral("converted");
    case DocumentRecord::Outcome::Canceled:
        return QStringLiteral("canceled");
    case DocumentRecord::Outcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}

} // namespace convert
