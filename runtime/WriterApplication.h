#pragma once

#include "runtime/AutomationObject.h"

#include <QTemporaryDir>

namespace runtime {

class WriterDocuments;

// "Word.Application" on this system: LibreOffice Writer run headless. Each
// object gets a private profile (two instances sharing one would hand their
// work to each other or refuse to start); Quit or destruction removes it.
class WriterApplication : public AutomationObject {
    Q_OBJECT
    Q_PROPERTY(bool DisplayAlerts READ displayAlerts WRITE setDisplayAlerts)
    Q_PROPERTY(QObject* Documents READ documents)
public:
    WriterApplication();
    ~WriterApplication() override;

    bool displayAlerts() const { return m_displayAlerts; }
    void setDisplayAlerts(bool value) { m_displayAlerts = value; }
    QObject* documents() const;

    Q_INVOKABLE void Quit();

    // The profile folder handed to the word processor ("file://..." form).
    QString profileUrl() const;

    // LibreOffice can hang at full CPU; two minutes is far longer than any
    // sane document takes. Tests shorten it and replace the program.
    static void setTimeLimit(int milliseconds);
    static int timeLimit();
    static void setProgram(const QString& program);
    static QString program();

private:
    bool m_displayAlerts = true;
    WriterDocuments* m_documents;
    QTemporaryDir m_profile;
};

} // namespace runtime
