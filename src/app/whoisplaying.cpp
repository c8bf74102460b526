#include "app/whoisplaying.h"

#include "core/sessions/sessionkeeper.h"
#include "core/settings/planoptions.h"
#include "ui/system/quickexit.h"
#include "ui/windows/classwindow.h"
#include "ui/windows/pupilwindow.h"

#include <QDateTime>
#include <QPointer>
#include <algorithm>

WhoIsPlaying::WhoIsPlaying(WindowHost& host, const LaunchOptions& options, SessionKeeper* keeper)
    : host_(host), options_(options), keeper_(keeper)
{}

WhoIsPlaying::~WhoIsPlaying()
{
    // A reading stuck on a hung share is left behind.
    if (classReader_ && !classReader_->finish(std::chrono::milliseconds(100)))
        skipStaticDestructorsAtExit();
    if (practiceReader_ && !practiceReader_->finish(std::chrono::milliseconds(100)))
        skipStaticDestructorsAtExit();
}

void WhoIsPlaying::start()
{
    if (!options_.classesDir.isEmpty())
        readClassLists();
}

void WhoIsPlaying::readClassLists()
{
    classReader_ = std::make_unique<ClassListReader>();
    connect(classReader_.get(), &ClassListReader::read, this, [this](const ClassLists& lists) {
        classLists_ = lists;
        emit classListsChanged();
        if (awaited_ && !classReader_->reading()) {
            awaited_ = false;
            ask();
        }
    });
    classReader_->readLists(options_.classesDir);
}

void WhoIsPlaying::ask()
{
    if (classReader_->reading() || classLists_.classes.empty()) {
        // A share mounted late is read now; "Chi sei?" follows the reading.
        awaited_ = true;
        if (!classReader_->reading())
            classReader_->readLists(options_.classesDir);
        return;
    }
    const std::vector<ClassList>& classes = classLists_.classes;
    const auto named = std::ranges::find(classes, options_.className, &ClassList::name);
    if (classIndex_)
        showPupils(*classIndex_);
    else if (named != classes.end())
        showPupils(std::size_t(named - classes.begin()));
    else if (classes.size() == 1 && options_.className.isEmpty())
        showPupils(0);
    else
        showClasses(options_.className);
    emit asking();
}

void WhoIsPlaying::change()
{
    if (keeper_)
        keeper_->end();
    pupil_.reset();
    setPlan();
    setReview({});
    ask();
}

void WhoIsPlaying::showClasses(const QString& missing)
{
    QStringList names;
    for (const ClassList& list : classLists_.classes)
        names << list.name;
    auto window = std::make_unique<ClassWindow>(host_, names, missing);
    connect(window.get(), &ClassWindow::chosen, this, [this](int position) {
        classIndex_ = std::size_t(position);
        showPupils(*classIndex_);
        unload(classChoice_);
    });
    connect(window.get(), &ClassWindow::gioca, this, &WhoIsPlaying::playing);
    connect(window.get(), &ProgramWindow::closedByUser, this, [this] { unload(classChoice_); });
    host_.show(window.get());
    unload(classChoice_);
    classChoice_ = std::move(window);
}

void WhoIsPlaying::showPupils(std::size_t classIndex)
{
    const ClassList& list = classLists_.classes.at(classIndex);
    const bool machineClass = list.name == options_.className;
    auto window =
        std::make_unique<PupilWindow>(host_, list, !machineClass && classLists_.classes.size() > 1);
    connect(window.get(), &PupilWindow::chosen, this,
            [this, &list](int position) { chosen(list, list.pupils.at(std::size_t(position))); });
    connect(window.get(), &PupilWindow::gioca, this, &WhoIsPlaying::playing);
    connect(window.get(), &PupilWindow::otherClasses, this, [this] {
        classIndex_.reset();
        showClasses(options_.className);
        unload(pupilChoice_);
    });
    connect(window.get(), &ProgramWindow::closedByUser, this, [this] { unload(pupilChoice_); });
    showSymbols(*window, list);
    readPractice(list, {}); // so that the menu follows the plan at once
    host_.show(window.get());
    unload(pupilChoice_);
    pupilChoice_ = std::move(window);
}

void WhoIsPlaying::showSymbols(PupilWindow& window, const ClassList& list)
{
    if (options_.resultsDir.isEmpty()) {
        QStringList names;
        for (const Pupil& pupil : list.pupils)
            names << pupil.name;
        window.setSymbols(pupilsymbol::ofClass(names, {}));
        return;
    }
    classReader_->readSymbols(
        options_.resultsDir, list,
        [shown = QPointer<PupilWindow>(&window)](const std::vector<PupilSymbol>& symbols) {
            if (shown)
                shown->setSymbols(symbols);
        });
}

void WhoIsPlaying::chosen(const ClassList& list, const Pupil& pupil)
{
    pupil_ = pupil;
    if (keeper_)
        keeper_->begin(list.name, pupil.name);
    if (planClass_ != list.name)
        classPlan_ = {};
    setPlan();
    setReview({});
    readPractice(list, pupil.name);
    emit playing();
}

void WhoIsPlaying::readPractice(const ClassList& list, const QString& child)
{
    if (options_.classesDir.isEmpty())
        return;
    if (!practiceReader_)
        practiceReader_ = std::make_unique<PracticeReader>(this);
    planClass_ = list.name;
    const auto playing = [this, child] { return pupil_ && pupil_->name == child; };
    practiceReader_->read(
        options_.classesDir, options_.resultsDir, list.name, child,
        [this, className = list.name](const ClassPlan& plan, const QStringList& warnings) {
            if (className != planClass_)
                return;
            classPlan_ = plan;
            const Plan before = plan_;
            const QStringList said = warnings + setPlan();
            if (said != warned_) {
                warned_ = said;
                if (!said.isEmpty())
                    emit planWarnings(said);
            }
            if (pupil_ && plan_ != before)
                emit planChanged();
        },
        [this, playing](const ReviewSet& set) {
            if (playing())
                setReview(set);
        });
}

QStringList WhoIsPlaying::setPlan()
{
    plan_ = pupil_ ? classplan::planFor(classPlan_, pupil_->name) : Plan{};
    const bool on = pupil_ && plan_.review.value_or(false);
    if (on != review_.on())
        review_ = ReviewChooser(on, review_.set(), QDate::currentDate());
    QStringList held;
    withPlan(options_, plan_, held);
    return held;
}

void WhoIsPlaying::setReview(ReviewSet set)
{
    review_ =
        ReviewChooser(pupil_ && plan_.review.value_or(false), std::move(set), QDate::currentDate());
}

LaunchOptions WhoIsPlaying::options() const
{
    QStringList held;
    return withPlan(options_, plan_, held);
}

bool WhoIsPlaying::offers(BoardKind board) const
{
    return !plan_.boards || plan_.boards->test(std::size_t(board));
}

void WhoIsPlaying::unloadChoices()
{
    unload(classChoice_);
    unload(pupilChoice_);
}
