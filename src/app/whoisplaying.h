#pragma once

#include "core/classes/classlist.h"
#include "core/classes/classlistreader.h"
#include "core/practice/classplan.h"
#include "core/practice/practicereader.h"
#include "core/practice/review.h"
#include "core/settings/options.h"
#include "ui/windows/windowhost.h"

#include <QObject>
#include <memory>
#include <optional>

class ClassWindow;
class PupilWindow;
class SessionKeeper;

/// Who is playing at the machine, with classes set: reads the class lists, asks the class and
/// "Chi sei?", and keeps the child chosen, their session and the teacher's plan for them, with
/// the review of their own misses, until "Cambia bambino". Without classes nobody is asked and
/// the machine's options hold.
class WhoIsPlaying final : public QObject {
    Q_OBJECT
  public:
    /// The child's sessions go to `keeper` when there is one.
    WhoIsPlaying(WindowHost& host, const LaunchOptions& options, SessionKeeper* keeper);
    ~WhoIsPlaying() override;

    /// Start-up: the class lists are read off the window's thread when classes are set.
    void start();
    /// "Avvio": "Chi sei?" for the class chosen before or the one the machine names, else the
    /// choice of the class; after the class lists, when they are still being read.
    void ask();
    /// "Cambia bambino": the child's session is saved and closed, the next one is asked.
    void change();
    /// The choice windows give way to another window that is already shown.
    void unloadChoices();

    /// A child of `list` said who they are: their session starts, their plan is read.
    void chosen(const ClassList& list, const Pupil& pupil);

    const QStringList& classListWarnings() const { return classLists_.warnings; }
    /// Whether the class lists asked for have been read.
    bool classListsRead() const { return !classReader_ || !classReader_->reading(); }
    ClassWindow* classWindow() const { return classChoice_.get(); }
    PupilWindow* pupilWindow() const { return pupilChoice_.get(); }
    /// The child playing now; none without classes, or when playing without a name.
    const std::optional<Pupil>& pupil() const { return pupil_; }
    /// The teacher's plan for the child playing, as last read; empty without one.
    const Plan& plan() const { return plan_; }
    /// The machine's options with the plan over them, the machine's lock winning.
    LaunchOptions options() const;
    /// Whether a board may be opened from the main menu.
    bool offers(BoardKind board) const;
    /// Which number the next task asks again, if any: nothing unless the plan turns review
    /// on for a child.
    ReviewChooser& review() { return review_; }
    const ReviewChooser& review() const { return review_; }

  signals:
    /// A reading of the class lists has ended; `classListWarnings` tells what it ignored.
    void classListsChanged();
    /// The choice of the class or the child is shown: the menu and the board give way.
    void asking();
    /// A child said who they are, or plays without a name: the main menu follows.
    void playing();
    /// The child's plan was read again and differs from the one the menu was shown with.
    void planChanged();
    /// What a plan file had that was skipped, and the planned keys the machine's lock holds;
    /// said when it differs from what was said last.
    void planWarnings(const QStringList& warnings);

  private:
    void readClassLists();
    void showClasses(const QString& missing);
    void showPupils(std::size_t classIndex);
    void showSymbols(PupilWindow& window, const ClassList& list);
    /// Reads the plan of `list` and, for a child, their review set.
    void readPractice(const ClassList& list, const QString& child);
    /// The plan in force from the class's plan, for the child playing; returns the planned
    /// keys the lock holds.
    QStringList setPlan();
    /// The review of the child playing, on or off as the plan says, over `set`.
    void setReview(ReviewSet set);

    WindowHost& host_;
    const LaunchOptions& options_;
    SessionKeeper* keeper_;
    ClassLists classLists_;
    std::unique_ptr<ClassListReader> classReader_;
    std::unique_ptr<PracticeReader> practiceReader_;
    bool awaited_ = false;                  // "Avvio" came before the class lists
    std::optional<std::size_t> classIndex_; // the class whose children "Chi sei?" shows
    std::optional<Pupil> pupil_;
    QString planClass_;   // the class whose plan is read
    ClassPlan classPlan_; // as last read
    QStringList warned_;
    Plan plan_;
    ReviewChooser review_{false, {}, {}};
    WindowPtr<ClassWindow> classChoice_;
    WindowPtr<PupilWindow> pupilChoice_;
};
