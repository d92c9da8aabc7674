#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A timer as the screens use it: an interval in milliseconds and an on/off switch; it ticks
// every interval while on. A handler that wants one tick switches it off.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent, int intervalMs);

    bool Enabled() const { return timer_.isActive(); }
    void setEnabled(bool enabled);
    int Interval() const { return timer_.interval(); }

    std::function<void()> tick;

private:
    QTimer timer_;
};
