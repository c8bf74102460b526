#include "ui/windows/worksheetwindow.h"

#include "core/base/runtime.h"
#include "core/board/programstate.h"
#include "core/sheets/layouts.h"
#include "core/sheets/wrap.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/input/keyboard.h"
#include "ui/system/printing.h"

#include <QPlainTextEdit>
#include <QToolButton>

namespace {

constexpr FontStyle kBoxFont{FontFamily::Arial, 9.75, false};
constexpr FontStyle kButtonFont{FontFamily::MsSansSerif, 8.25, false};
constexpr FontStyle kPrintFont{FontFamily::MsSansSerif, 12, false};

constexpr ControlRow kDesign[] = {
    {"txtCD", ControlKind::TextArea, 75, 165, 6090, 6630, u"", kBoxFont, kNoBackground, nullptr,
     u"scheda da stampare"},
    {"btnCD", ControlKind::CaptionedPicture, 8040, 3240, 1215, 855, u"Stampa scheda", kButtonFont,
     kNoBackground, ":/pictures/stampante.svg"},
    {"Command1", ControlKind::CaptionedPicture, 8040, 4440, 1215, 855, u"Stampa correzione",
     kButtonFont, kNoBackground, ":/pictures/stampante.svg"},
    {"TextCor", ControlKind::TextArea, 120, 3240, 6090, 6630, u"", kBoxFont, kNoBackground, nullptr,
     u"correzione"},
    {names::kEsci,
     ControlKind::CaptionedPicture,
     7920,
     5400,
     1440,
     1065,
     u"Esci",
     {FontFamily::Arial, 27.75, false},
     kNoBackground,
     ":/pictures/stop.svg"},
};

} // namespace

WorksheetWindow::WorksheetWindow(WindowHost& host, const ProgramState& state, RandomSource& random,
                                 PrintService& printer)
    : ProgramWindow(host), host_(host), state_(state), random_(random), printer_(printer)
{
    setObjectName(QStringLiteral("formStampa"));
    setWindowTitle(QStringLiteral("Common Dialogs Example"));
    auto* area = new DesignArea({runtime::twips(9480), runtime::twips(6795)}, this);
    setCentralWidget(area);
    setBackground(area, colours::kBoardLabel);
    area->addAll(kDesign);
    sheet_ = control<QPlainTextEdit>(area, "txtCD");
    solutions_ = control<QPlainTextEdit>(area, "TextCor");
    for (QPlainTextEdit* box : {sheet_, solutions_}) {
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    solutions_->hide();
    sheet_->setFocus();

    connect(control<QToolButton>(area, "btnCD"), &QToolButton::clicked, this,
            [this] { print(sheet_, 100); });
    connect(control<QToolButton>(area, "Command1"), &QToolButton::clicked, this,
            [this] { print(solutions_, 90); });
    connect(control<QToolButton>(area, names::kEsci), &QToolButton::clicked, this,
            [this] { host_.hide(this); });
    addEnterKeys(area);
}

void WorksheetWindow::activated()
{
    sheet_->clear();
    solutions_->clear();
    if (state_.tipoScheda) {
        const Worksheet sheet = faiScheda(*state_.tipoScheda, random_);
        sheet_->setPlainText(withLineFeeds(sheet.sheet));
        solutions_->setPlainText(withLineFeeds(sheet.solutions));
    }
}

void WorksheetWindow::print(QPlainTextEdit* box, int width)
{
    printer_.printText(dividiRighe(withCrLf(box->toPlainText()), width), kPrintFont);
}
