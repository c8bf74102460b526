#pragma once

#include "core/base/jobthread.h"
#include "core/classes/classlist.h"
#include "core/practice/classplan.h"
#include "ui/windows/planpage.h"
#include "ui/windows/windowhost.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPushButton;

/// `Quadena: piano della classe 3A`: the teacher's plan of one class, for the whole class or
/// one child, and for the child chosen the plan in force and the numbers under review. Every
/// change writes the plan file at once, whole or not at all; the file is read and written on a
/// thread of its own, never on the window's, and a change made while a save waits replaces it.
class PlanWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    PlanWindow(WindowHost& host, const QString& classesDir, const QString& resultsDir,
               ClassList list);
    ~PlanWindow() override;

    const QString& className() const { return list_.name; }
    /// Why the teacher's view cannot open the plan of `list` (none chosen, or no class list
    /// from a classes folder), or nothing when it can.
    static QString unavailable(const QString& classesDir, const ClassList* list);
    /// Enables the teacher's view's `button` when the plan of `list` can be opened, else says
    /// why in its tooltip.
    static void enableButton(QPushButton& button, const QString& classesDir, const ClassList* list);
    /// Shows the plan of `list` in `window`: the one there when of that class, else a new one,
    /// which is hidden with `owner`.
    static void open(WindowPtr<PlanWindow>& window, ProgramWindow& owner, WindowHost& host,
                     const QString& classesDir, const QString& resultsDir, const ClassList& list);

  signals:
    /// The window shows the plan file as read, or the end of the newest save.
    void settled();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void planRead(const ClassPlan& plan, const QStringList& warnings);
    void saved(quint64 asked, const ClassPlan& plan, const std::optional<QString>& failure);
    void chooseFor();
    void showPlan();
    void showInForce();
    void showReview();
    QString child() const;
    Plan& own();
    /// Takes a change of the plan shown: drops a child's empty section and saves the plan.
    void change(const std::function<void(Plan&)>& edit);
    void boardToggled();

    WindowHost& host_;
    QString classesDir_;
    QString resultsDir_;
    ClassList list_;
    ClassPlan saved_; // as in the file
    ClassPlan plan_;  // as shown, saved or being saved
    QStringList warnings_;
    quint64 posted_ = 0;   // the saves asked for
    quint64 answered_ = 0; // the newest that has told how it went
    quint64 reviewAsked_ = 0;
    bool filling_ = false;
    PlanPage page_;
    JobThread thread_;
};
