#pragma once

#include "core/board/boardkind.h"
#include "ui/windows/windowhost.h"

#include <optional>

class DesignArea;
class Dialogs;
class PrintService;
class QComboBox;
class QLabel;
class QLineEdit;
class ResultMap;
class RunRecord;

/// `Risultati`, the teacher's page: for each board with answers in this run its totals, the
/// map of the board chosen in the list (and of the hundred chosen, above 99) and its ten
/// numbers most often wrong. It prints one page, saves it as PDF or CSV, and clears the
/// record after a question. The first name typed here lives as long as the window.
class ResultsWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    ResultsWindow(WindowHost& host, RunRecord& record, Dialogs& dialogs, PrintService& printer);

    /// Reads the record again.
    void activated() override;

    /// What the page prints and saves as text.
    QString pageText() const;
    /// How many answers could not be saved yet in the results folder `where`: said below the
    /// numbers most often wrong while there are some; nothing at all before there were any.
    void showUnsaved(int answers, const QString& where);
    /// Says there, from now on and in place of the answers not saved yet, why nothing can be
    /// saved on this machine.
    void showSavingImpossible(const QString& why);

    /// Writes the page to `path`: CSV when its name ends in ".csv", PDF otherwise; an
    /// existing file only after a Yes. False when nothing was written.
    bool saveTo(const QString& path);

  private:
    void fillBoards();
    void fillHundreds();
    void showMap();
    std::optional<BoardKind> chosenBoard() const;
    void save();
    void clear();

    WindowHost& host_;
    DesignArea* area_;
    RunRecord& record_;
    Dialogs& dialogs_;
    PrintService& printer_;
    QLineEdit* name_;
    QLabel* totals_;
    QComboBox* boards_;
    QComboBox* hundreds_;
    ResultMap* map_;
    QLabel* mostWrong_;
    QLabel* unsaved_ = nullptr;
    QString impossible_;
};
