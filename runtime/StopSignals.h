#pragma once

#include <QObject>

class QSocketNotifier;

namespace runtime {

// Turns SIGINT, SIGTERM and SIGHUP (Ctrl-C, a polite kill, the terminal
// closing) into received(), delivered by the event loop that also runs
// inside every wait, so the program can cancel its run as if Cancel were
// pressed and then exit. The handler itself only writes one byte. One
// object at a time; the default actions come back when it goes.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

signals:
    void received(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace runtime
