#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

/// Runs jobs one after the other on a thread of its own, so that a folder on a slow or hung
/// share never holds up the thread that asks. A job that may be replaced waits at most once:
/// a newer one takes its place. The thread is never joined: `finish` waits a bounded time for
/// it and, when a job is stuck in the kernel, leaves it behind with what it uses, so that the
/// owner can go at once. What a job hands back reaches `context`'s thread, never after
/// `finish`.
class JobThread {
    struct State;

  public:
    /// A job sees whether it should give up early.
    using Job = std::function<void(const std::atomic_bool& cancelled)>;
    enum class Waiting { Kept, Replaced };

    explicit JobThread(QObject* context);
    /// `finish` without waiting, unless it was called.
    ~JobThread();
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    /// Runs `job` after the ones before it; a `Replaced` job still waiting gives way to a newer
    /// `Replaced` one.
    void post(Job job, Waiting waiting = Waiting::Replaced);
    /// Tells the job running now to give up.
    void cancelRunning();
    /// What a job hands back through: it may outlive the owner, and then delivers nothing.
    class Outbox {
      public:
        /// Calls `call` on the context's thread, unless the owner has finished by then.
        void deliver(std::function<void()> call) const;

      private:
        friend class JobThread;
        explicit Outbox(std::shared_ptr<State> state) : state_(std::move(state)) {}
        std::shared_ptr<State> state_;
    };
    Outbox outbox() const { return Outbox(state_); }
    /// Takes no more jobs, drops the waiting ones, cancels the running one and waits at most
    /// `wait` for the thread to end; false when it is left running.
    bool finish(std::chrono::milliseconds wait);

  private:
    static void run(const std::shared_ptr<State>& state);
    std::shared_ptr<State> state_;
};
