#include "core/base/jobthread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct JobThread::State {
    struct Entry {
        Job job;
        Waiting waiting;
    };
    std::mutex lock;
    std::condition_variable wake;
    std::deque<Entry> queue;
    std::shared_ptr<std::atomic_bool> running; // the running job's flag
    QObject* context;
    bool stopping = false;
    bool ended = false;
};

JobThread::JobThread(QObject* context) : state_(std::make_shared<State>())
{
    state_->context = context;
    // Detached: the thread holds the state, and the owner never waits for it beyond `finish`.
    std::thread([state = state_] { run(state); }).detach();
}

JobThread::~JobThread()
{
    finish(std::chrono::milliseconds(0));
}

void JobThread::post(Job job, Waiting waiting)
{
    {
        const std::lock_guard hold(state_->lock);
        if (state_->stopping)
            return;
        if (waiting == Waiting::Replaced)
            std::erase_if(state_->queue,
                          [](const State::Entry& e) { return e.waiting == Waiting::Replaced; });
        state_->queue.push_back({std::move(job), waiting});
    }
    state_->wake.notify_all();
}

void JobThread::cancelRunning()
{
    const std::lock_guard hold(state_->lock);
    if (state_->running)
        *state_->running = true;
}

void JobThread::Outbox::deliver(std::function<void()> call) const
{
    // Under the lock: `finish` clears the context only once no delivery is under way.
    const std::lock_guard hold(state_->lock);
    if (state_->context)
        QMetaObject::invokeMethod(state_->context, std::move(call), Qt::QueuedConnection);
}

bool JobThread::finish(std::chrono::milliseconds wait)
{
    std::unique_lock hold(state_->lock);
    state_->stopping = true;
    state_->context = nullptr;
    state_->queue.clear();
    if (state_->running)
        *state_->running = true;
    state_->wake.notify_all();
    return state_->wake.wait_for(hold, wait, [this] { return state_->ended; });
}

void JobThread::run(const std::shared_ptr<State>& state)
{
    std::unique_lock hold(state->lock);
    for (;;) {
        state->wake.wait(hold, [&] { return state->stopping || !state->queue.empty(); });
        if (state->stopping)
            break;
        Job job = std::move(state->queue.front().job);
        state->queue.pop_front();
        auto cancelled = std::make_shared<std::atomic_bool>(false);
        state->running = cancelled;
        hold.unlock();
        job(*cancelled);
        job = nullptr; // what it holds goes here, off the lock
        hold.lock();
        state->running.reset();
    }
    state->ended = true;
    state->wake.notify_all();
}
