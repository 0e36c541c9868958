// The tick timer in both modes: where its ticks run, what stops them, and that stopping or
// destroying it while a tick waits for the user-interface thread neither deadlocks nor runs the
// stale tick.

#include "TickTimer.h"

#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <thread>

namespace {

// Counts the overridable tick itself, so a test sees ticks even with OnTimer unassigned.
class CountingTimer : public TTickTimer {
  public:
    std::atomic<int> ticks{0};

  protected:
    void Timer() override {
        ++ticks;
        TTickTimer::Timer();
    }
};

// Keeps the user-interface thread busy without handling events, long enough for the worker to
// hand over a tick and wait for it.
void blockUserInterface() {
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

} // namespace

class TestTickTimer : public QObject {
    Q_OBJECT

  private slots:
    void defaults();
    void ticksOnUserInterfaceThread_data();
    void ticksOnUserInterfaceThread();
    void unsyncedTicksRunOnWorker();
    void unassignedEventNeverTicks_data();
    void unassignedEventNeverTicks();
    void stopsTicking_data();
    void stopsTicking();
    void switchingToWindowTimerKeepsInterval();
    void stopWhileTickPending_data();
    void stopWhileTickPending();
    void destroyWhileTickPending();
    void tickMayStopItsOwnTimer();
    void windowTimerRefused();
};

void TestTickTimer::defaults() {
    TTickTimer timer;
    QVERIFY(timer.isEnabled());
    QCOMPARE(timer.interval(), 1000u);
    QVERIFY(timer.syncEvent());
    QVERIFY(timer.threaded());
    QCOMPARE(timer.threadPriority(), QThread::NormalPriority);
}

void TestTickTimer::ticksOnUserInterfaceThread_data() {
    QTest::addColumn<bool>("threaded");
    QTest::newRow("worker thread, synchronised") << true;
    QTest::newRow("window timer") << false;
}

void TestTickTimer::ticksOnUserInterfaceThread() {
    QFETCH(bool, threaded);
    TTickTimer timer;
    timer.setThreaded(threaded);
    timer.setInterval(5);
    int ticks = 0;
    bool allOnUserInterface = true;
    timer.setOnTimer([&] {
        ++ticks;
        allOnUserInterface = allOnUserInterface && QThread::currentThread() == thread();
    });
    QTRY_VERIFY(ticks >= 3);
    QVERIFY(allOnUserInterface);
}

void TestTickTimer::unsyncedTicksRunOnWorker() {
    TTickTimer timer;
    timer.setSyncEvent(false);
    timer.setInterval(5);
    std::atomic<int> ticks{0};
    std::atomic<bool> onWorker{true};
    QThread* userInterface = thread();
    timer.setOnTimer([&] {
        ++ticks;
        if (QThread::currentThread() == userInterface) onWorker = false;
    });
    // No event handling here: the worker ticks by itself.
    for (int i = 0; i < 2000 && ticks < 3; ++i)
        QThread::msleep(5);
    QVERIFY(ticks >= 3);
    QVERIFY(onWorker);
}

void TestTickTimer::unassignedEventNeverTicks_data() {
    ticksOnUserInterfaceThread_data();
}

void TestTickTimer::unassignedEventNeverTicks() {
    QFETCH(bool, threaded);
    CountingTimer timer;
    timer.setThreaded(threaded);
    timer.setInterval(1);
    QTest::qWait(50);
    QCOMPARE(timer.ticks.load(), 0);
    timer.setOnTimer([] {});
    QTRY_VERIFY(timer.ticks > 0);
}

void TestTickTimer::stopsTicking_data() {
    QTest::addColumn<bool>("threaded");
    QTest::addColumn<bool>("byInterval"); // Interval 0, else Enabled False
    QTest::newRow("worker, interval 0") << true << true;
    QTest::newRow("worker, disabled") << true << false;
    QTest::newRow("window timer, interval 0") << false << true;
    QTest::newRow("window timer, disabled") << false << false;
}

void TestTickTimer::stopsTicking() {
    QFETCH(bool, threaded);
    QFETCH(bool, byInterval);
    CountingTimer timer;
    timer.setThreaded(threaded);
    timer.setInterval(2);
    timer.setOnTimer([] {});
    QTRY_VERIFY(timer.ticks > 0);
    if (byInterval)
        timer.setInterval(0);
    else
        timer.setEnabled(false);
    QTest::qWait(20); // lets a tick already posted arrive and be discarded
    const int stoppedAt = timer.ticks;
    QTest::qWait(50);
    QCOMPARE(timer.ticks.load(), stoppedAt);
}

void TestTickTimer::switchingToWindowTimerKeepsInterval() {
    CountingTimer timer;
    timer.setInterval(3);
    timer.setOnTimer([] {});
    QTRY_VERIFY(timer.ticks > 0);
    timer.setThreaded(false);
    QCOMPARE(timer.interval(), 3u);
    const int switchedAt = timer.ticks;
    QTRY_VERIFY(timer.ticks > switchedAt + 2);
}

void TestTickTimer::stopWhileTickPending_data() {
    QTest::addColumn<int>("stop");
    QTest::newRow("disabled") << 0;
    QTest::newRow("interval 0") << 1;
    QTest::newRow("moved to window timer, then disabled") << 2;
}

void TestTickTimer::stopWhileTickPending() {
    QFETCH(int, stop);
    TTickTimer timer;
    timer.setInterval(1);
    int ticks = 0;
    timer.setOnTimer([&] { ++ticks; });
    QTRY_VERIFY(ticks > 0);
    blockUserInterface(); // the worker now waits with a tick handed over
    const int before = ticks;
    switch (stop) {
    case 0:
        timer.setEnabled(false);
        break;
    case 1:
        timer.setInterval(0);
        break;
    default:
        timer.setThreaded(false);
        timer.setEnabled(false);
    }
    QTest::qWait(30); // the abandoned tick arrives now and must not run
    QCOMPARE(ticks, before);
}

void TestTickTimer::destroyWhileTickPending() {
    int ticks = 0;
    auto timer = std::make_unique<TTickTimer>();
    timer->setInterval(1);
    timer->setOnTimer([&] { ++ticks; });
    QTRY_VERIFY(ticks > 0);
    blockUserInterface();
    const int before = ticks;
    timer.reset(); // must not wait for the pending tick, nor leave it to run
    QTest::qWait(30);
    QCOMPARE(ticks, before);
}

void TestTickTimer::tickMayStopItsOwnTimer() {
    TTickTimer timer;
    timer.setInterval(1);
    int ticks = 0;
    timer.setOnTimer([&] {
        if (++ticks == 3) timer.setEnabled(false);
    });
    QTRY_COMPARE(ticks, 3);
    QTest::qWait(30);
    QCOMPARE(ticks, 3);
    timer.setEnabled(true);
    QTRY_VERIFY(ticks > 3);
}

void TestTickTimer::windowTimerRefused() {
    TTickTimer timer;
    timer.setThreaded(false);
    timer.setOnTimer([] {});
    try {
        timer.setInterval(0xFFFFFFFFu); // beyond what a Qt timer can take
        QFAIL("no exception");
    } catch (const EOutOfResources& refused) {
        QCOMPARE(QString::fromUtf8(refused.what()),
                 QStringLiteral("Non ci sono timers sufficienti"));
    }
    QCOMPARE(timer.interval(), 0xFFFFFFFFu); // the setter stored the value before refusing it
}

QTEST_MAIN(TestTickTimer)
#include "test_ticktimer.moc"
