#pragma once

#include "runtime/AutomationObject.h"

namespace runtime {

class WriterApplication;

// One open document. SaveAs hands the file to LibreOffice headless with the
// HTML import filter and the RTF export filter.
class WriterDocument : public AutomationObject {
    Q_OBJECT
public:
    // The word processor's code for the RTF file format.
    static constexpr int RtfFormat = 6;

    WriterDocument(WriterApplication* application, const QString& path, QObject* parent);
    QString path() const { return m_path; }

    // Quotes around the file name are removed. Succeeds only when the output
    // file exists and is not empty: soffice exits 0 in several failures.
    Q_INVOKABLE void SaveAs(const QString& FileName, int FileFormat);

private:
    WriterApplication* m_application;
    QString m_path;
};

} // namespace runtime
