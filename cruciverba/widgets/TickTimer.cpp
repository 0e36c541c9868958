#include "TickTimer.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QTimerEvent>

#include <chrono>
#include <climits>
#include <condition_variable>
#include <mutex>

#include <pthread.h>
#include <sched.h>

void runTick(TTickTimer& timer);

// Everything the worker thread reads lives here, guarded by one mutex. Posted ticks keep it alive
// through their shared pointer, so a tick that arrives after its timer died finds a valid state
// that tells it to do nothing.
struct TTickTimer::Shared {
    std::mutex mutex;
    std::condition_variable wake;

    bool enabled = true;
    std::uint32_t interval = 1000;
    bool syncEvent = true;
    bool threaded = true;
    QThread::Priority priority = QThread::NormalPriority;
    std::function<void()> onTimer;
    bool destroying = false;

    TTickTimer* owner = nullptr;
    std::uint32_t threadInterval = 1000; // the worker's own copy, taken at reconfiguration
    bool running = false;                // the worker is resumed
    bool terminated = false;
    // Bumped at every suspend and resume: a sleep begun under another generation is void.
    std::uint64_t generation = 0;
    // The tick handed to the user-interface thread and not yet run; 0 when none.
    std::uint64_t pendingTicket = 0;
    std::uint64_t lastTicket = 0;
};

namespace {

using Lock = std::unique_lock<std::mutex>;

// A tick that throws must not unwind through the event loop or the worker thread: the failure is
// shown to the user on the user-interface thread, as for any other command that fails.
void reportTickFailure(const QString& message) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [message] { QMessageBox::critical(nullptr, QCoreApplication::applicationName(), message); },
        Qt::QueuedConnection);
}

void deliverTick(const std::shared_ptr<TTickTimer::Shared>& shared, std::uint64_t ticket);

// The worker: a plain thread (joined by its timer), so the end of a timer waits for it exactly
// once and nothing of the timer is touched after that.
class TTimerThread {
  public:
    explicit TTimerThread(std::shared_ptr<TTickTimer::Shared> shared)
        : shared_(std::move(shared)) {}

    void operator()() {
        auto& s = *shared_;
        Lock lock(s.mutex);
        while (!s.terminated) {
            if (!s.running) {
                s.wake.wait(lock);
                continue;
            }
            const std::uint64_t generation = s.generation;
            const auto interrupted = [&] { return s.terminated || s.generation != generation; };
            // Only a sleep that ran its full time ticks; a reconfiguration starts a new one.
            if (s.wake.wait_for(lock, std::chrono::milliseconds(s.threadInterval), interrupted))
                continue;
            if (QCoreApplication::closingDown() || !s.enabled) continue;
            if (s.syncEvent) {
                handToUserInterface(lock, interrupted);
            } else {
                TTickTimer* owner = s.owner;
                lock.unlock();
                runTick(*owner);
                lock.lock();
            }
        }
    }

  private:
    // Waits for the user-interface thread to run the tick, or for the tick to be abandoned by a
    // suspend or by destruction, whichever comes first: the user-interface thread never has to
    // wait for this thread while a tick is pending.
    template <typename Interrupted> void handToUserInterface(Lock& lock, Interrupted interrupted) {
        auto& s = *shared_;
        const std::uint64_t ticket = ++s.lastTicket;
        s.pendingTicket = ticket;
        QMetaObject::invokeMethod(
            s.owner, [shared = shared_, ticket] { deliverTick(shared, ticket); },
            Qt::QueuedConnection);
        s.wake.wait(lock, [&] { return interrupted() || s.pendingTicket != ticket; });
    }

    std::shared_ptr<TTickTimer::Shared> shared_;
};

// Linux gives ordinary threads no priority levels: only the idle class sets one apart, as Qt's
// own threads do.
void applyPriority(std::thread& worker, QThread::Priority priority) {
    sched_param parameters{};
    const int policy = priority == QThread::IdlePriority ? SCHED_IDLE : SCHED_OTHER;
    pthread_setschedparam(worker.native_handle(), policy, &parameters);
}

void deliverTick(const std::shared_ptr<TTickTimer::Shared>& shared, std::uint64_t ticket) {
    TTickTimer* owner = nullptr;
    {
        std::lock_guard guard(shared->mutex);
        if (shared->pendingTicket != ticket) return; // abandoned while it waited in the queue
        owner = shared->owner;
    }
    // Run unlocked: the tick may stop, reconfigure or even destroy its own timer.
    runTick(*owner);
    {
        std::lock_guard guard(shared->mutex);
        if (shared->pendingTicket == ticket) shared->pendingTicket = 0;
    }
    shared->wake.notify_all();
}

} // namespace

void runTick(TTickTimer& timer) {
    try {
        timer.Timer();
    } catch (const std::exception& failure) {
        reportTickFailure(QString::fromLocal8Bit(failure.what()));
    }
}

TTickTimer::TTickTimer(QObject* owner) : QObject(owner), shared_(std::make_shared<Shared>()) {
    shared_->owner = this;
    worker_ = std::thread(TTimerThread(shared_));
}

TTickTimer::~TTickTimer() {
    {
        std::lock_guard guard(shared_->mutex);
        shared_->enabled = false;
        shared_->onTimer = nullptr;
        shared_->destroying = true;
        shared_->terminated = true;
        shared_->running = false;
        shared_->pendingTicket = 0;
    }
    shared_->wake.notify_all();
    worker_.join();
    shared_->owner = nullptr; // the worker has ended: nothing else reads it now
    if (windowTimer_ != 0) killTimer(windowTimer_);
}

bool TTickTimer::isEnabled() const {
    std::lock_guard guard(shared_->mutex);
    return shared_->enabled;
}

std::uint32_t TTickTimer::interval() const {
    std::lock_guard guard(shared_->mutex);
    return shared_->interval;
}

bool TTickTimer::syncEvent() const {
    std::lock_guard guard(shared_->mutex);
    return shared_->syncEvent;
}

bool TTickTimer::threaded() const {
    std::lock_guard guard(shared_->mutex);
    return shared_->threaded;
}

QThread::Priority TTickTimer::threadPriority() const {
    std::lock_guard guard(shared_->mutex);
    return shared_->priority;
}

namespace {

// Stores a setting under the mutex; true when it changed.
template <typename T>
bool store(TTickTimer::Shared& shared, T TTickTimer::Shared::*field, T value) {
    std::lock_guard guard(shared.mutex);
    if (shared.*field == value) return false;
    shared.*field = value;
    return true;
}

} // namespace

void TTickTimer::setEnabled(bool value) {
    if (store(*shared_, &Shared::enabled, value)) reconfigure();
}

void TTickTimer::setInterval(std::uint32_t milliseconds) {
    if (store(*shared_, &Shared::interval, milliseconds)) reconfigure();
}

void TTickTimer::setSyncEvent(bool value) {
    // Read by the worker at each tick: no reconfiguration needed.
    store(*shared_, &Shared::syncEvent, value);
}

void TTickTimer::setThreaded(bool value) {
    if (store(*shared_, &Shared::threaded, value)) reconfigure();
}

void TTickTimer::setThreadPriority(QThread::Priority value) {
    if (store(*shared_, &Shared::priority, value) && threaded()) reconfigure();
}

void TTickTimer::setOnTimer(std::function<void()> handler) {
    bool wasAssigned = false;
    {
        std::lock_guard guard(shared_->mutex);
        wasAssigned = static_cast<bool>(shared_->onTimer);
        shared_->onTimer = std::move(handler);
        if (wasAssigned == static_cast<bool>(shared_->onTimer)) return;
    }
    reconfigure();
}

void TTickTimer::Timer() {
    std::function<void()> handler;
    {
        std::lock_guard guard(shared_->mutex);
        if (!shared_->enabled || shared_->destroying) return;
        handler = shared_->onTimer;
    }
    if (handler) handler();
}

void TTickTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() == windowTimer_)
        runTick(*this);
    else
        QObject::timerEvent(event);
}

bool TTickTimer::readyToTick() const {
    std::lock_guard guard(shared_->mutex);
    return shared_->interval != 0 && shared_->enabled && shared_->onTimer;
}

void TTickTimer::suspendWorker() {
    {
        std::lock_guard guard(shared_->mutex);
        shared_->running = false;
        ++shared_->generation;
        shared_->pendingTicket = 0; // a handed tick is abandoned, its waiting worker released
    }
    shared_->wake.notify_all();
}

void TTickTimer::reconfigure() {
    suspendWorker();
    if (windowTimer_ != 0) {
        killTimer(windowTimer_);
        windowTimer_ = 0;
    }
    if (!readyToTick()) return;
    if (threaded()) {
        applyPriority(worker_, threadPriority());
        {
            std::lock_guard guard(shared_->mutex);
            shared_->threadInterval = shared_->interval;
            shared_->running = true;
            ++shared_->generation;
        }
        shared_->wake.notify_all();
        return;
    }
    const std::uint32_t milliseconds = interval();
    if (milliseconds <= INT_MAX) windowTimer_ = startTimer(static_cast<int>(milliseconds));
    if (windowTimer_ == 0) throw EOutOfResources("Non ci sono timers sufficienti");
}
