#include "FakeWord.h"

#include <QFile>

void FakeWord::setDisplayAlerts(bool value)
{
    calls << QStringLiteral("DisplayAlerts=%1").arg(value ? "True" : "False");
}

QObject* FakeWord::documents()
{
    calls << QStringLiteral("Documents");
    return this;
}

bool FakeWord::fails(const QString& call)
{
    if (call != failingCall)
        return false;
    raise(call + QStringLiteral(" failed"));
    return true;
}

QObject* FakeWord::Open(const QString& FileName)
{
    calls << QStringLiteral("Open(FileName=%1)").arg(FileName);
    QFile file(FileName);
    if (file.open(QIODevice::ReadOnly))
        openedText = file.readAll();
    return fails(QStringLiteral("Open")) ? nullptr : this;
}

QObject* FakeWord::Item(const QString& Index)
{
    calls << QStringLiteral("Item(%1)").arg(Index);
    return this;
}

void FakeWord::SaveAs(const QString& FileName, int FileFormat)
{
    calls << QStringLiteral("SaveAs(%1,%2)").arg(FileName).arg(FileFormat);
    if (fails(QStringLiteral("SaveAs")))
        return;
    QFile file(FileName.mid(1, FileName.size() - 2));
    if (file.open(QIODevice::WriteOnly))
        file.write("{\\rtf1 fake}");
}

void FakeWord::Quit()
{
    calls << QStringLiteral("Quit");
}

FakeWordRegistration::FakeWordRegistration()
{
    FakeWord::calls.clear();
    FakeWord::openedText.clear();
    FakeWord::failingCall.clear();
    FakeWord::created = 0;
    m_previous = runtime::AutomationRegistry::registerClass(QStringLiteral("Word.Application"),
                                                            [] { return new FakeWord; });
}

FakeWordRegistration::~FakeWordRegistration()
{
    runtime::AutomationRegistry::registerClass(QStringLiteral("Word.Application"), m_previous);
}
