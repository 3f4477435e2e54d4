#include "platform/core/Services.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace talur::test {

namespace {

class CountingPump : public EventPump {
public:
    void processEvents() override { ++calls; }
    int calls = 0;
};

class ServicesTest : public ::testing::Test {
protected:
    void TearDown() override {
        setWaitScale(0.0);
        setEventPump(nullptr);
        setClock(nullptr);
    }
};

} // namespace

TEST_F(ServicesTest, ZeroScaleSkipsWaitsWithoutPumping) {
    setWaitScale(0.0);
    CountingPump pump;
    setEventPump(&pump);
    QElapsedTimer timer;
    timer.start();
    clock().sleep(1500);
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_EQ(pump.calls, 0);
}

TEST_F(ServicesTest, SleepRunsPendingEvents) {
    setWaitScale(1.0);
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    QElapsedTimer timer;
    timer.start();
    clock().sleep(30);
    EXPECT_TRUE(fired);
    EXPECT_GE(timer.elapsed(), 30);

    CountingPump pump;
    setEventPump(&pump);
    clock().sleep(25);
    EXPECT_GE(pump.calls, 2); // sliced, pumping between the slices
    setWaitScale(-1.0);
    EXPECT_EQ(waitScale(), 0.0);
}

TEST_F(ServicesTest, DefaultPumpRunsQueuedEvents) {
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    eventPump().processEvents();
    EXPECT_TRUE(fired);
}

} // namespace talur::test
