#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>

namespace quillon::bench {

// Runs an action once, right after the watched widget has handled its first paint event.
// The action is queued so that the paint (and the rest of that repaint) completes first.
class FirstPaint : public QObject
{
public:
    FirstPaint(QObject *watched, std::function<void()> action)
        : m_action(std::move(action))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_fired) {
            m_fired = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, m_action);
        }
        return false;
    }

private:
    std::function<void()> m_action;
    bool m_fired = false;
};

// The system-wide monotonic clock, comparable between processes on one machine.
inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Tells quillon-bench when the first paint happened; it started its clock at the launch.
inline void reportFirstPaint()
{
    std::printf("first_paint_ns=%lld\n", monotonicNanoseconds());
    std::fflush(stdout);
}

} // namespace quillon::bench
