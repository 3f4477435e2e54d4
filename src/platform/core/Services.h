#pragma once
// The event pump and the clock: long loops let pending window messages run; waits can be set to zero.
// The default pump runs QCoreApplication::processEvents() when an application object exists; the default
// clock sleeps milliseconds × waitScale() in slices of at most 10 ms, running the event pump between them.
namespace talur {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleep(int milliseconds) = 0;
};

EventPump& eventPump();
void setEventPump(EventPump* pump); // nullptr restores the default
Clock& clock();
void setClock(Clock* clock); // nullptr restores the default

// Scales every wait by a factor; tests set 0.
void setWaitScale(double factor);
double waitScale();

} // namespace talur
