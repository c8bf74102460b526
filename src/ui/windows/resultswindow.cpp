#include "ui/windows/resultswindow.h"

#include "core/base/runtime.h"
#include "core/board/catalogue.h"
#include "core/records/results.h"
#include "core/records/runrecord.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/design/resultlists.h"
#include "ui/design/resultmap.h"
#include "ui/input/keyboard.h"
#include "ui/system/printing.h"
#include "ui/windows/dialogs.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr FontStyle kTextFont{FontFamily::Arial, 9, false};
constexpr FontStyle kBoldFont{FontFamily::Arial, 9, true};
constexpr FontStyle kEsciFont{FontFamily::Arial, 18, false};
constexpr int kPictureSide = 2000;

// The Tab order is the order of the rows.
constexpr ControlRow kDesign[] = {
    {"Label1", ControlKind::Label, 240, 150, 1440, 375, u"Nome:", kBoldFont},
    {names::kResultsName, ControlKind::TextBox, 1680, 120, 2880, 375, u"", kTextFont, kNoBackground,
     nullptr, u"nome"},
    {names::kResultsTotals, ControlKind::Display, 240, 600, 9120, 1800, u"", kTextFont,
     colours::kMenuLabel},
    {names::kResultsBoard, ControlKind::ComboBox, 240, 2520, 3000, 375, u"", kTextFont,
     kNoBackground, nullptr, u"esercizio"},
    {names::kResultsHundred, ControlKind::ComboBox, 240, 3000, 3000, 375, u"", kTextFont,
     kNoBackground, nullptr, u"centinaio"},
    {names::kResultsMap, ControlKind::ResultMap, 3480, 2520, 4200, 4200, u"", kTextFont,
     kNoBackground, nullptr, u"mappa degli errori"},
    {names::kResultsMostWrong, ControlKind::Display, 240, 3480, 3000, 1800, u"", kTextFont,
     colours::kMenuLabel},
    {names::kResultsPrint, ControlKind::Button, 7920, 2520, 1440, 495, u"Stampa", kBoldFont},
    {names::kResultsSave, ControlKind::Button, 7920, 3120, 1440, 495, u"Salva…", kBoldFont},
    {names::kResultsClear, ControlKind::Button, 7920, 3720, 1440, 735, u"Azzera risultati",
     kBoldFont},
    {names::kResultsEsci, ControlKind::Button, 7920, 6120, 1440, 600, u"Esci", kEsciFont},
};

// In the free space below the numbers most often wrong, made only when needed.
constexpr ControlRow kUnsavedRow{
    names::kResultsUnsaved, ControlKind::Display, 240, 5400, 3000, 1200, u"", kBoldFont,
    colours::kMenuLabel};

bool isCsv(const QString& path)
{
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

} // namespace

ResultsWindow::ResultsWindow(WindowHost& host, RunRecord& record, Dialogs& dialogs,
                             PrintService& printer)
    : ProgramWindow(host), host_(host),
      area_(new DesignArea({runtime::twips(9600), runtime::twips(7200)}, this)), record_(record),
      dialogs_(dialogs), printer_(printer)
{
    setObjectName(QStringLiteral("Risultati"));
    setWindowTitle(QStringLiteral("Risultati"));
    setAccessibleName(QStringLiteral("Risultati"));
    DesignArea* area = area_;
    setCentralWidget(area);
    setBackground(area, colours::kBoardLabel);
    area->addAll(kDesign);
    name_ = control<QLineEdit>(area, names::kResultsName);
    name_->setMaxLength(40);
    totals_ = control<QLabel>(area, names::kResultsTotals);
    boards_ = control<QComboBox>(area, names::kResultsBoard);
    hundreds_ = control<QComboBox>(area, names::kResultsHundred);
    map_ = control<ResultMap>(area, names::kResultsMap);
    mostWrong_ = control<QLabel>(area, names::kResultsMostWrong);

    connect(boards_, &QComboBox::currentIndexChanged, this, [this] {
        fillHundreds();
        showMap();
    });
    connect(hundreds_, &QComboBox::currentIndexChanged, this, &ResultsWindow::showMap);
    connect(control<QPushButton>(area, names::kResultsPrint), &QPushButton::clicked, this,
            [this] { printer_.printPage(pageText(), map_->picture(kPictureSide)); });
    connect(control<QPushButton>(area, names::kResultsSave), &QPushButton::clicked, this,
            &ResultsWindow::save);
    connect(control<QPushButton>(area, names::kResultsClear), &QPushButton::clicked, this,
            &ResultsWindow::clear);
    connect(control<QPushButton>(area, names::kResultsEsci), &QPushButton::clicked, this,
            [this] { host_.hide(this); });
    addEnterKeys(area);
    fillBoards();
}

void ResultsWindow::activated()
{
    fillBoards();
}

void ResultsWindow::fillBoards()
{
    resultlists::fillBoards(*boards_, record_);
    totals_->setText(results::summary(record_, name_->text()));
    fillHundreds();
    showMap();
}

void ResultsWindow::fillHundreds()
{
    resultlists::fillHundreds(*hundreds_, record_, chosenBoard());
}

std::optional<BoardKind> ResultsWindow::chosenBoard() const
{
    return resultlists::chosenBoard(*boards_);
}

void ResultsWindow::showMap()
{
    const BoardKind board = chosenBoard().value_or(boardCatalogue().front().kind);
    map_->show(record_, board, hundreds_->currentData().toInt());
    mostWrong_->setText(results::mostWrongText(record_, board));
}

void ResultsWindow::showSavingImpossible(const QString& why)
{
    impossible_ = why;
    showUnsaved(0, {});
}

void ResultsWindow::showUnsaved(int answers, const QString& where)
{
    const bool shown = answers > 0 || !impossible_.isEmpty();
    if (!unsaved_) {
        if (!shown)
            return;
        unsaved_ = qobject_cast<QLabel*>(area_->add(kUnsavedRow));
    }
    unsaved_->setText(!impossible_.isEmpty() ? impossible_
                      : answers == 1
                          ? QStringLiteral("1 risposta non ancora salvata in %1: il programma "
                                           "riprova da solo.")
                                .arg(where)
                          : QStringLiteral("%1 risposte non ancora salvate in %2: il programma "
                                           "riprova da solo.")
                                .arg(answers)
                                .arg(where));
    unsaved_->setVisible(shown);
}

QString ResultsWindow::pageText() const
{
    QString text = results::summary(record_, name_->text());
    if (const std::optional<BoardKind> board = chosenBoard(); board && record_.hasAnswers(*board))
        text += QStringLiteral("\nMappa: %1, %2\n%3\n")
                    .arg(results::boardName(*board), hundreds_->currentText(), mostWrong_->text());
    return text;
}

bool ResultsWindow::saveTo(const QString& path)
{
    if (QFileInfo::exists(path) &&
        dialogs_.messageBox(this,
                            QStringLiteral("Il file %1 esiste già. Vuoi sostituirlo?")
                                .arg(QFileInfo(path).fileName()),
                            MessageStyle::Question) != Answer::Yes)
        return false;
    const QByteArray bytes = isCsv(path) ? results::csv(record_, name_->text())
                                         : pagePdf(pageText(), map_->picture(kPictureSide));
    if (results::saveWhole(path, bytes))
        return true;
    dialogs_.messageBox(this,
                        QStringLiteral("Non è stato possibile salvare il file %1 in questa "
                                       "cartella. Scegli un'altra cartella.")
                            .arg(QFileInfo(path).fileName()),
                        MessageStyle::Critical);
    return false;
}

void ResultsWindow::save()
{
    QString path =
        dialogs_.saveFileName(this, QStringLiteral("risultati.pdf"),
                              QStringLiteral("Documento PDF (*.pdf);;Tabella CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    saveTo(path);
}

void ResultsWindow::clear()
{
    if (dialogs_.messageBox(this, QStringLiteral("Vuoi cancellare tutti i risultati?"),
                            MessageStyle::Question) != Answer::Yes)
        return;
    record_.clear();
    fillBoards();
}
