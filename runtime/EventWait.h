#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <functional>

namespace runtime {

// Waits for a condition while the event loop keeps running, so windows
// paint and buttons (Cancel, Start) stay live. The condition is only
// re-checked when one of the watched signals fires, so the wait costs no CPU
// in between.
class EventWait : public QObject {
    Q_OBJECT
public:
    explicit EventWait(std::function<bool()> done);

    template <typename Sender, typename Signal>
    void wakeOn(const Sender* sender, Signal signal)
    {
        connect(sender, signal, this, &EventWait::check);
    }

    // Returns true once the condition holds, false when timeoutMs (if not
    // negative) ran out first.
    bool run(int timeoutMs = -1);

private:
    void check();

    std::function<bool()> m_done;
    QEventLoop m_loop;
    QTimer m_timeout;
    bool m_timedOut = false;
};

} // namespace runtime
