#pragma once

#include "convert/PrivateFolder.h"
#include "convert/RtfConverter.h"
#include "convert/WordProfile.h"

#include <QPointer>

#include <memory>

namespace runtime {
class ChildProcess;
}

namespace convert {

// LibreOffice Writer, headless, on a profile of QUARLEX's own that is kept
// warm (WordProfile): one LibreOffice start converts as many HTML files as
// a call holds. The
// program started is soffice.bin itself, not the soffice script, so the
// process that must die with QUARLEX is the direct child.
class LibreOfficeRtf : public RtfConverter {
    Q_OBJECT
public:
    explicit LibreOfficeRtf(QObject* parent = nullptr);
    ~LibreOfficeRtf() override;

    void convert(const QList<RtfTask>& tasks, int timeLimitMs) override;
    bool isBusy() const override { return m_busy; }
    void stop() override;
    QStringList failures() const override { return m_failures; }

    // The program run (tests put a stand-in here); empty: soffice.bin beside
    // the soffice found on PATH.
    static void setProgram(const QString& program);
    static QString program();

    // One call's time limit: each document's, for every document it holds.
    // 0 (no limit) stays 0; the sum stops at the longest a timer takes
    // rather than wrapping round to no limit or to a moment.
    static int groupTimeLimitMs(int perDocumentMs, qsizetype documents);

private:
    void startNextGroup();
    void groupEnded();

    std::unique_ptr<WordProfile> m_profile;
    std::unique_ptr<PrivateFolder> m_outFolder;
    QPointer<runtime::ChildProcess> m_child;
    QList<RtfTask> m_tasks;
    QStringList m_failures;
    // Indexes into m_tasks, one group per LibreOffice call.
    QList<QList<int>> m_groups;
    int m_timeLimitMs = 0;
    int m_restarts = 0;
    bool m_busy = false;
};

} // namespace convert
