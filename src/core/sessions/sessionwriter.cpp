#include "core/sessions/sessionwriter.h"

#include "core/sessions/sessionstore.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <vector>

namespace {

/// How long a failed try waits before the next one once `finish` was called.
constexpr std::chrono::milliseconds kPauseAtExit{100};

struct Job {
    QByteArray bytes;
    int answers = 0;
    quint64 generation = 0;
};

} // namespace

struct SessionWriter::Queue {
    std::chrono::milliseconds retry;
    mutable std::mutex lock;
    std::condition_variable wake;
    std::map<QString, Job> pending;
    std::map<QString, int> written; // answers of the newest file written, by file
    quint64 generation = 0;
    bool fresh = false; // something came since the last round
    bool stopping = false;
    std::chrono::steady_clock::time_point deadline{}; // of `finish`: no try starts after it
    bool idle = true;                                 // no round running and nothing pending
};

SessionWriter::SessionWriter(std::unique_ptr<SessionStore> store, std::chrono::milliseconds retry)
    : store_(std::move(store)), queue_(std::make_unique<Queue>())
{
    queue_->retry = retry;
}

SessionWriter::~SessionWriter()
{
    {
        const std::lock_guard hold(queue_->lock);
        queue_->stopping = true;
    }
    queue_->wake.notify_all();
    wait();
}

void SessionWriter::put(const QString& relativePath, QByteArray bytes, int answers)
{
    {
        const std::lock_guard hold(queue_->lock);
        if (queue_->stopping)
            return;
        queue_->pending[relativePath] = Job{std::move(bytes), answers, ++queue_->generation};
        queue_->fresh = true;
        queue_->idle = false;
    }
    queue_->wake.notify_all();
    if (!isRunning())
        start();
}

int SessionWriter::unwritten() const
{
    const std::lock_guard hold(queue_->lock);
    int n = 0;
    for (const auto& [path, job] : queue_->pending) {
        const auto w = queue_->written.find(path);
        n += std::max(0, job.answers - (w == queue_->written.end() ? 0 : w->second));
    }
    return n;
}

std::vector<SessionWriter::Unwritten> SessionWriter::unwrittenFiles() const
{
    const std::lock_guard hold(queue_->lock);
    std::vector<Unwritten> files;
    for (const auto& [path, job] : queue_->pending) {
        const auto w = queue_->written.find(path);
        files.push_back({path, job.bytes,
                         std::max(0, job.answers - (w == queue_->written.end() ? 0 : w->second))});
    }
    return files;
}

SessionWriter::Finish SessionWriter::finish(std::chrono::milliseconds wait)
{
    std::unique_lock hold(queue_->lock);
    queue_->stopping = true;
    queue_->deadline = std::chrono::steady_clock::now() + wait;
    queue_->wake.notify_all();
    if (isRunning())
        queue_->wake.wait_for(hold, wait, [this] { return queue_->idle; });
    if (!queue_->idle)
        return Finish::StillWriting;
    return queue_->pending.empty() ? Finish::AllWritten : Finish::SomeFailed;
}

void SessionWriter::run()
{
    Queue& q = *queue_;
    std::unique_lock hold(q.lock);
    const std::chrono::milliseconds pauseAtExit = std::min(q.retry, kPauseAtExit);
    for (;;) {
        // After a failed round, wait for the retry time or for something new; at exit, for
        // the short pause only.
        if (!q.fresh && !q.stopping)
            q.wake.wait_for(hold, q.pending.empty() ? std::chrono::hours(24) : q.retry,
                            [&q] { return q.fresh || q.stopping; });
        else if (!q.fresh && !q.pending.empty() && !q.idle)
            q.wake.wait_for(hold, pauseAtExit);
        if (q.pending.empty() && q.stopping)
            break;
        q.fresh = false;
        std::vector<std::pair<QString, Job>> round(q.pending.begin(), q.pending.end());
        hold.unlock();
        std::vector<std::pair<QString, Job>> done;
        for (const auto& [path, job] : round) {
            if (store_->save(path, job.bytes))
                done.emplace_back(path, job);
        }
        hold.lock();
        std::vector<QString> newest;
        for (const auto& [path, job] : done) {
            int& w = q.written[path];
            w = std::max(w, job.answers);
            const auto p = q.pending.find(path);
            if (p != q.pending.end() && p->second.generation == job.generation) {
                q.pending.erase(p);
                newest.push_back(path);
            }
        }
        const bool failed = !q.pending.empty() && !q.fresh;
        const bool timeLeft = std::chrono::steady_clock::now() + pauseAtExit < q.deadline;
        if (q.pending.empty() || (q.stopping && failed && !timeLeft)) {
            q.idle = true;
            q.wake.notify_all();
        }
        hold.unlock();
        for (const QString& path : newest)
            emit written(path);
        emit progress();
        hold.lock();
        if (q.stopping && q.idle)
            break;
    }
}
