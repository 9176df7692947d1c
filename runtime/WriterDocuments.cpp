#include "runtime/WriterDocuments.h"

#include "runtime/WriterApplication.h"
#include "runtime/WriterDocument.h"

#include <QFileInfo>

namespace runtime {

WriterDocuments::WriterDocuments(WriterApplication* application)
    : AutomationObject(application)
    , m_application(application)
{
}

QObject* WriterDocuments::Open(const QString& FileName)
{
    if (!QFileInfo(FileName).isFile()) {
        raise(QStringLiteral("The document %1 cannot be opened.").arg(FileName));
        return nullptr;
    }
    return new WriterDocument(m_application, FileName, this);
}

QObject* WriterDocuments::Item(const QString& Index)
{
    for (auto* document : findChildren<WriterDocument*>(Qt::FindDirectChildrenOnly))
        if (document->path() == Index)
            return document;
    raise(QStringLiteral("The requested member of the collection does not exist: %1").arg(Index));
    return nullptr;
}

} // namespace runtime
