#include "platform/controls/Timer.h"

Timer::Timer(QObject* parent, int intervalMs) : QObject(parent) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (tick)
            tick();
    });
}

void Timer::setEnabled(bool enabled) {
    if (enabled && !timer_.isActive())
        timer_.start();
    else if (!enabled)
        timer_.stop();
}
