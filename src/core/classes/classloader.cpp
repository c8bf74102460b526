#include "core/classes/classloader.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

/// What was read of each class, by the child's folder and the file's name.
struct ClassLoader::Cache {
    struct Entry {
        qint64 size;
        qint64 modified;
        classfolder::FileReading reading;
    };
    using Files = QHash<QString, Entry>;
    QHash<QString, Files> classes; // by results folder and class
};

namespace {

using Report = std::function<void(int done, int total)>;

/// One reading of a class: the child folders are listed one by one as the readers run out of
/// files, so that only the folders whose files are being read are open.
class Reading {
  public:
    Reading(const classfolder::ClassListing& listing, const QString& className,
            const ClassLoader::Cache::Files& before, const std::atomic_bool& cancelled)
        : listing_(listing), className_(className), before_(before), cancelled_(cancelled)
    {}

    /// Runs `readers` threads, the calling one among them, until every folder is read.
    void run(int readers, const Report& report)
    {
        report_ = report;
        std::vector<std::thread> helpers;
        const int n = std::min(readers, std::max(1, int(listing_.children.size()))) - 1;
        for (int h = 0; h < n; ++h)
            helpers.emplace_back([this] { work(); });
        work();
        for (std::thread& t : helpers)
            t.join();
    }

    struct Read {
        QString key; // child folder / file name
        classfolder::Candidate candidate;
        classfolder::FileReading reading;
    };
    std::vector<Read> read;
    classfolder::IgnoredCounts ignored{};

  private:
    void work()
    {
        std::unique_lock hold(lock_);
        for (;;) {
            if (cancelled_)
                return;
            if (!files_.empty()) {
                classfolder::Candidate file = std::move(files_.front());
                files_.pop_front();
                hold.unlock();
                Read r{file.child + u'/' + QFile::decodeName(file.fileName), std::move(file), {}};
                const auto kept = before_.constFind(r.key);
                if (kept != before_.cend() && kept->size == r.candidate.size &&
                    kept->modified == r.candidate.modified)
                    r.reading = kept->reading;
                else
                    r.reading = classfolder::readCandidate(r.candidate, className_);
                r.candidate.folder.reset(); // the folder closes with its last file
                hold.lock();
                read.push_back(std::move(r));
                if (const int d = int(read.size()); d % 50 == 0 || d == found_)
                    report_(d, found_);
            } else if (next_ < listing_.children.size()) {
                const QString& child = listing_.children[next_++];
                ++listingNow_;
                hold.unlock();
                classfolder::ChildListing c = classfolder::listChild(listing_.folder, child);
                hold.lock();
                --listingNow_;
                for (int k = 0; k < classfolder::kIgnoredKinds; ++k)
                    ignored[k] += c.ignored[k];
                found_ += int(c.files.size());
                std::ranges::move(c.files, std::back_inserter(files_));
                more_.notify_all();
            } else if (listingNow_ > 0) {
                more_.wait(hold); // a folder being listed may bring files
            } else {
                more_.notify_all();
                return;
            }
        }
    }

    const classfolder::ClassListing& listing_;
    const QString& className_;
    const ClassLoader::Cache::Files& before_;
    const std::atomic_bool& cancelled_;
    Report report_;
    std::mutex lock_;
    std::condition_variable more_;
    std::deque<classfolder::Candidate> files_;
    qsizetype next_ = 0;
    int listingNow_ = 0; // folders being listed
    int found_ = 0;
};

} // namespace

ClassLoader::ClassLoader(int readers, QObject* parent)
    : QObject(parent), readers_(std::max(1, readers)), cache_(std::make_shared<Cache>()),
      thread_(this)
{}

ClassLoader::~ClassLoader() = default;

bool ClassLoader::finish(std::chrono::milliseconds wait)
{
    return thread_.finish(wait);
}

void ClassLoader::remove(const QString& resultsDir, const QString& className, const QString& child)
{
    thread_.post(
        [this, out = thread_.outbox(), resultsDir, className, child](const std::atomic_bool&) {
            const bool whole = classfolder::removeChild(resultsDir, className, child);
            out.deliver([this, child, whole] { emit removed(child, whole); });
        },
        JobThread::Waiting::Kept);
}

void ClassLoader::load(const QString& resultsDir, const QString& className,
                       const QStringList& pupils)
{
    const QString classKey = resultsDir + u'/' + sessionfile::folderName(className);
    if (classKey != lastClass_)
        thread_.cancelRunning();
    lastClass_ = classKey;
    // The job holds the cache, not the loader: a thread left behind at exit uses only that.
    const JobThread::Outbox out = thread_.outbox();
    const auto report = [this, out](int done, int total) {
        out.deliver([this, done, total] { emit progress(done, total); });
    };
    thread_.post([this, out, report, cache = cache_, readers = readers_, resultsDir, className,
                  pupils, classKey](const std::atomic_bool& cancelled) {
        const classfolder::ClassListing listing = classfolder::listClass(resultsDir, className);
        report(0, 0);
        const Cache::Files before = cache->classes.value(classKey);
        Reading reading(listing, className, before, cancelled);
        if (listing.folder)
            reading.run(readers, report);
        if (cancelled)
            return;
        Cache::Files after;
        std::vector<classresults::Found> found;
        classfolder::IgnoredCounts ignored = listing.ignored;
        int ignoredLines = 0;
        for (int k = 0; k < classfolder::kIgnoredKinds; ++k)
            ignored[k] += reading.ignored[k];
        for (const Reading::Read& r : reading.read) {
            // A file that could not be read is tried again next time, whatever its time.
            if (r.reading.ignored != classfolder::Ignored::Unreadable)
                after.insert(r.key, {r.candidate.size, r.candidate.modified, r.reading});
            if (r.reading.session)
                found.push_back({r.candidate.child, r.reading.session});
            else if (r.reading.ignored)
                ++classfolder::count(ignored, *r.reading.ignored);
            ignoredLines += r.reading.ignoredLines;
        }
        cache->classes.insert(classKey, std::move(after));
        // The files came in any order: the sessions go in the order of their names.
        std::ranges::sort(found, [](const classresults::Found& a, const classresults::Found& b) {
            return a.session->started < b.session->started;
        });
        auto results = std::make_shared<ClassResults>(
            classresults::gather(className, pupils, listing.children, found));
        results->ignored = ignored;
        results->ignoredLines = ignoredLines;
        results->problem = listing.problem;
        out.deliver([this, results = std::shared_ptr<const ClassResults>(std::move(results))] {
            emit loaded(results);
        });
    });
}
