#pragma once

#include "runtime/AutomationObject.h"
#include "runtime/AutomationRegistry.h"

#include <QStringList>

// A "Word.Application" that records every late-bound call with its
// arguments. It serves as application, document collection and document at
// once; SaveAs writes a small RTF file unless told to fail.
class FakeWord : public runtime::AutomationObject {
    Q_OBJECT
    Q_PROPERTY(bool DisplayAlerts READ displayAlerts WRITE setDisplayAlerts)
    Q_PROPERTY(QObject* Documents READ documents)
public:
    static inline QStringList calls;
    // The HTML text as the word processor found it on opening.
    static inline QByteArray openedText;
    static inline QString failingCall;
    static inline int created = 0;

    FakeWord() { ++created; }
    bool displayAlerts() const { return true; }
    void setDisplayAlerts(bool value);
    QObject* documents();

    Q_INVOKABLE QObject* Open(const QString& FileName);
    Q_INVOKABLE QObject* Item(const QString& Index);
    Q_INVOKABLE void SaveAs(const QString& FileName, int FileFormat);
    Q_INVOKABLE void Quit();

private:
    bool fails(const QString& call);
};

// Registers FakeWord under "Word.Application" while it lives.
class FakeWordRegistration {
public:
    FakeWordRegistration();
    ~FakeWordRegistration();

private:
    runtime::AutomationRegistry::Factory m_previous;
};
