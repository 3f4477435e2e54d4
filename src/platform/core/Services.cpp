#include "Services.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

namespace talur {

namespace {

class DefaultEventPump : public EventPump {
public:
    void processEvents() override {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
    }
};

// Sleeps in short slices so that pending window messages keep running.
class DefaultClock : public Clock {
public:
    void sleep(int milliseconds) override {
        const qint64 total = qint64(double(milliseconds) * waitScale());
        if (total <= 0)
            return;
        QElapsedTimer timer;
        timer.start();
        for (qint64 left = total; left > 0; left = total - timer.elapsed()) {
            eventPump().processEvents();
            QThread::msleep(unsigned(std::min<qint64>(left, 10)));
        }
    }
};

DefaultEventPump g_defaultPump;
DefaultClock g_defaultClock;
EventPump* g_pump = nullptr;
Clock* g_clock = nullptr;
double g_waitScale = 1.0;

} // namespace

EventPump& eventPump() {
    return g_pump ? *g_pump : g_defaultPump;
}

void setEventPump(EventPump* pump) {
    g_pump = pump;
}

Clock& clock() {
    return g_clock ? *g_clock : g_defaultClock;
}

void setClock(Clock* clock) {
    g_clock = clock;
}

void setWaitScale(double factor) {
    g_waitScale = std::max(0.0, factor);
}

double waitScale() {
    return g_waitScale;
}

} // namespace talur
