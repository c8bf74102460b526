#include "core/classes/classloader.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <algorithm>
#include <atomic>
#include <latch>

namespace {

/// Runs `work(i)` for every i below `n` on up to `workers` threads, the calling one among
/// them, and returns when all are done. The calling thread works too, so that it ends even
/// when the pool has no thread to spare.
template <typename Work> void parallelFor(QThreadPool& pool, int n, int workers, const Work& work)
{
    std::atomic_int next{0};
    const auto drain = [&] {
        for (int i = next++; i < n; i = next++)
            work(i);
    };
    const int helpers = std::max(0, std::min(workers, n) - 1);
    std::latch finished(helpers);
    for (int h = 0; h < helpers; ++h)
        pool.start([&] {
            drain();
            finished.count_down();
        });
    drain();
    finished.wait();
}

} // namespace

/// What was read of each class, by the child's folder and the file's name.
struct ClassLoader::Cache {
    struct Entry {
        qint64 size;
        qint64 modified;
        classfolder::FileReading reading;
    };
    using Files = QHash<QString, Entry>;

    QMutex mutex;
    QHash<QString, Files> classes; // by results folder and class
};

struct ClassLoader::Run {
    QString resultsDir;
    QString className;
    QStringList pupils;
    std::atomic_bool cancelled{false};
};

ClassLoader::ClassLoader(int readers, QObject* parent)
    : QObject(parent), readers_(std::max(1, readers)), cache_(std::make_shared<Cache>())
{
    // One thread more than the readers: the one that lists the folders and gathers.
    pool_.setMaxThreadCount(readers_ + 1);
}

ClassLoader::~ClassLoader()
{
    if (current_)
        current_->cancelled = true;
    pool_.waitForDone();
}

void ClassLoader::load(const QString& resultsDir, const QString& className,
                       const QStringList& pupils)
{
    if (current_)
        current_->cancelled = true;
    auto run = std::make_shared<Run>();
    run->resultsDir = resultsDir;
    run->className = className;
    run->pupils = pupils;
    current_ = run;
    pool_.start([this, run] { this->run(run); });
}

void ClassLoader::run(const std::shared_ptr<Run>& r)
{
    const auto report = [this, r](int done, int total) {
        QMetaObject::invokeMethod(
            this,
            [this, r, done, total] {
                if (r == current_)
                    emit progress(done, total);
            },
            Qt::QueuedConnection);
    };
    const classfolder::ClassListing listing = classfolder::listClass(r->resultsDir, r->className);
    classfolder::IgnoredCounts ignored = listing.ignored;
    std::vector<classfolder::Candidate> files;
    if (listing.folder) {
        std::vector<classfolder::ChildListing> children(listing.children.size());
        parallelFor(pool_, int(children.size()), readers_, [&](int i) {
            if (!r->cancelled)
                children[i] = classfolder::listChild(listing.folder, listing.children[i]);
        });
        for (classfolder::ChildListing& child : children) {
            for (int k = 0; k < classfolder::kIgnoredKinds; ++k)
                ignored[k] += child.ignored[k];
            std::ranges::move(child.files, std::back_inserter(files));
        }
    }
    if (r->cancelled)
        return;

    const int total = int(files.size());
    const QString classKey = r->resultsDir + u'/' + sessionfile::folderName(r->className);
    Cache::Files before;
    {
        const QMutexLocker lock(&cache_->mutex);
        before = cache_->classes.value(classKey);
    }
    std::vector<QString> keys(files.size());
    std::vector<classfolder::FileReading> readings(files.size());
    std::vector<int> misses;
    for (int i = 0; i < total; ++i) {
        keys[i] = files[i].child + u'/' + QFile::decodeName(files[i].fileName);
        const auto kept = before.constFind(keys[i]);
        if (kept != before.cend() && kept->size == files[i].size &&
            kept->modified == files[i].modified)
            readings[i] = kept->reading;
        else
            misses.push_back(i);
    }
    std::atomic_int done = total - int(misses.size());
    report(done, total);
    const int step = std::max(1, total / 100);
    parallelFor(pool_, int(misses.size()), readers_, [&](int k) {
        if (r->cancelled)
            return;
        const int i = misses[k];
        readings[i] = classfolder::readCandidate(files[i], r->className);
        if (const int d = ++done; d % step == 0 || d == total)
            report(d, total);
    });
    if (r->cancelled)
        return;

    Cache::Files after;
    std::vector<classresults::Found> found;
    int ignoredLines = 0;
    for (int i = 0; i < total; ++i) {
        const classfolder::FileReading& reading = readings[i];
        // A file that could not be read is tried again next time, whatever its time.
        if (reading.ignored != classfolder::Ignored::Unreadable)
            after.insert(keys[i], {files[i].size, files[i].modified, reading});
        if (reading.session)
            found.push_back({files[i].child, reading.session});
        else if (reading.ignored)
            ++classfolder::count(ignored, *reading.ignored);
        ignoredLines += reading.ignoredLines;
    }
    {
        const QMutexLocker lock(&cache_->mutex);
        cache_->classes.insert(classKey, after);
    }
    auto results = std::make_shared<ClassResults>(
        classresults::gather(r->className, r->pupils, listing.children, found));
    results->ignored = ignored;
    results->ignoredLines = ignoredLines;
    results->problem = listing.problem;
    QMetaObject::invokeMethod(
        this,
        [this, r, results = std::shared_ptr<const ClassResults>(std::move(results))] {
            if (r == current_)
                emit loaded(results);
        },
        Qt::QueuedConnection);
}
