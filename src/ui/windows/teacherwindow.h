#pragma once

#include "core/board/boardkind.h"
#include "core/classes/classlist.h"
#include "core/classes/classlistreader.h"
#include "core/classes/classloader.h"
#include "core/settings/options.h"
#include "ui/windows/windowhost.h"

#include <memory>
#include <optional>
#include <vector>

class Dialogs;
class PrintService;
class QComboBox;
class PlanWindow;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class ResultMap;

/// Where the question to the speech server about its voices stands.
enum class VoiceAnswer { Asking, NoAnswer, Answered };

/// `Quadena: insegnante`, the teacher's view of a class over the school year, from the
/// results folder: the children's totals on the board chosen, the class's map of that board,
/// one child's weeks and map. It prints a page for the class or a child, saves one CSV of the
/// class, removes a child's results after a question, and tells the voice's languages. The
/// classes come from the class lists when there are any, or else from the class folders of
/// the results folder. Every folder is read on a thread of the loaders, never on the
/// window's: the window answers while a share hangs, and closes without waiting for it.
class TeacherWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    TeacherWindow(WindowHost& host, const LaunchOptions& options, Dialogs& dialogs,
                  PrintService& printer, int readers = ClassLoader::kReaders);
    ~TeacherWindow() override;

    /// Reads the chosen class again; what has not changed is not read again.
    void reload();
    /// The class as last read, or nothing before the first reading ends.
    const ClassResults* classResults() const { return results_.get(); }
    /// Writes the class's CSV to `path`; an existing file only after a Yes.
    bool saveTo(const QString& path);
    /// Tells which languages this machine's voice says the numbers in: `languages` is the
    /// speech server's answer, as BCP 47 tags, empty when it has no Italian voice.
    void showVoiceLanguages(VoiceAnswer answer, const QStringList& languages = {});

  signals:
    /// A reading of the class ended and the page shows it.
    void classShown();

  private:
    void fillClasses(const ClassLists& lists, const QString& named);
    void showClass(std::shared_ptr<const ClassResults> results);
    void fillChildren();
    void showMaps();
    void chooseChild();
    std::optional<BoardKind> board() const;
    const ChildResults* child() const;
    void save();
    void removeChild();
    void childRemoved(const QString& folder, bool whole);
    const ClassList* chosenList() const;

    WindowHost& host_;
    Dialogs& dialogs_;
    PrintService& printer_;
    QString resultsDir_;
    QString classesDir_;
    std::vector<ClassList> classes_;
    std::unique_ptr<ClassListReader> classReader_;
    std::unique_ptr<ClassLoader> loader_;
    bool removing_ = false;
    std::shared_ptr<const ClassResults> results_;
    QString chosenChild_; // the folder of the child chosen, kept across readings
    QComboBox* classList_;
    QComboBox* boards_;
    QComboBox* hundreds_;
    QProgressBar* progress_;
    QLabel* reading_;
    QTableWidget* children_;
    ResultMap* classMap_;
    QLabel* classWrong_;
    QLabel* childName_;
    QTableWidget* weeks_;
    ResultMap* childMap_;
    QLabel* childWrong_;
    QPushButton* printChild_;
    QPushButton* removeChild_;
    QPushButton* planButton_;
    WindowPtr<PlanWindow> plan_;
};
