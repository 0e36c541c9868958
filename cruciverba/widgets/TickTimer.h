#pragma once

// TTickTimer ticks either from a Qt timer of the user-interface thread or from a worker thread of
// its own that sleeps for the interval and then hands the tick to the user-interface thread and
// waits for it. The threaded mode keeps ticking while a modal dialog runs its own event loop,
// which is what the scrolling credits of the about box need.
//
// Stopping or destroying the timer never waits on the user-interface thread: a tick the worker
// has handed over but that has not run yet is abandoned, and its posted call finds out on arrival
// that it has gone stale.

#include <QObject>
#include <QThread>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>

// Raised when the platform refuses a window timer.
class EOutOfResources : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TTickTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(quint32 Interval READ interval WRITE setInterval)
    Q_PROPERTY(bool SyncEvent READ syncEvent WRITE setSyncEvent)
    Q_PROPERTY(bool Threaded READ threaded WRITE setThreaded)

  public:
    explicit TTickTimer(QObject* owner = nullptr);
    ~TTickTimer() override;

    bool isEnabled() const;
    void setEnabled(bool value);
    std::uint32_t interval() const;
    void setInterval(std::uint32_t milliseconds);
    bool syncEvent() const;
    void setSyncEvent(bool value);
    bool threaded() const;
    void setThreaded(bool value);
    QThread::Priority threadPriority() const;
    void setThreadPriority(QThread::Priority value);
    // The tick event; with SyncEvent off in the threaded mode it runs on the worker thread.
    void setOnTimer(std::function<void()> handler);

    struct Shared;

  protected:
    // The tick: calls OnTimer while the timer is enabled and not being destroyed.
    virtual void Timer();
    void timerEvent(QTimerEvent* event) override;

  private:
    void reconfigure();
    void suspendWorker();
    bool readyToTick() const;
    friend void runTick(TTickTimer& timer);

    std::shared_ptr<Shared> shared_;
    std::thread worker_;
    int windowTimer_ = 0;
};
