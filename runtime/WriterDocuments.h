#pragma once

#include "runtime/AutomationObject.h"

namespace runtime {

class WriterApplication;

// The "Documents" collection of the word processor: documents opened by
// path and found again by that path.
class WriterDocuments : public AutomationObject {
    Q_OBJECT
public:
    explicit WriterDocuments(WriterApplication* application);

    Q_INVOKABLE QObject* Open(const QString& FileName);
    Q_INVOKABLE QObject* Item(const QString& Index);

private:
    WriterApplication* m_application;
};

} // namespace runtime
