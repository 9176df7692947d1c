#pragma once

#include <QDeadlineTimer>
#include <QTest>

#include <functional>

// Processes events until the condition holds or the bound runs out, like
// QTRY_VERIFY; returns the condition's last value.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}
