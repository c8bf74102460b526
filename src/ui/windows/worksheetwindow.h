#pragma once

#include "ui/windows/windowhost.h"

struct ProgramState;
class PrintService;
class QPlainTextEdit;
class RandomSource;

/// `formStampa`: the arithmetic worksheet of the kind `TipoScheda` names, shown in an editable
/// box, with its solutions kept hidden. Every activation throws the sheet away and builds a
/// new one; "Stampa scheda" prints the box as it stands (wrapped at 100 characters),
/// "Stampa correzione" the solutions (wrapped at 90); "Esci" only hides the window.
class WorksheetWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    WorksheetWindow(WindowHost& host, const ProgramState& state, RandomSource& random,
                    PrintService& printer);

    void activated() override;

  private:
    void print(QPlainTextEdit* box, int width);

    WindowHost& host_;
    const ProgramState& state_;
    RandomSource& random_;
    PrintService& printer_;
    QPlainTextEdit* sheet_;
    QPlainTextEdit* solutions_;
};
