#include "ui/windows/gridwindow.h"

#include "core/base/runtime.h"
#include "core/sheets/gridsheets.h"
#include "core/sheets/wrap.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/input/keyboard.h"
#include "ui/system/printing.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

constexpr FontStyle kGridFont{FontFamily::Arial, 15.75, true};

QString cellName(int i)
{
    return QStringLiteral("Label1(%1)").arg(i);
}

} // namespace

GridWindow::GridWindow(WindowHost& host, Kind kind, RandomSource& random, PrintService& printer,
                       std::function<Level()> findLevel, CoveredCells covered)
    : ProgramWindow(host), kind_(kind), findLevel_(std::move(findLevel)),
      coveredCells_(std::move(covered)),
      area_(new DesignArea({runtime::twips(9570), runtime::twips(7200)}, this))
{
    const bool find = kind != Kind::Recognise; // the hidden sheet is laid out as the find sheet
    const QLatin1StringView objectNames[] = {QLatin1StringView("formStampa1"),
                                             QLatin1StringView("formStampa2"),
                                             QLatin1StringView("formStampa3")};
    setObjectName(objectNames[static_cast<int>(kind)]);
    setAccessibleName(QStringLiteral("Scheda da stampare"));
    setCentralWidget(area_);
    setBackground(area_, 0x00FFFFFF);

    const ControlRow texts[] = {
        {"Text2", ControlKind::TextArea, 240, 120, 9255, find ? 495 : 735, u"", kGridFont,
         kNoBackground, nullptr, u"consegna"},
        {names::kSheetText,
         ControlKind::TextArea,
         5400,
         1080,
         3735,
         5175,
         u"",
         {FontFamily::MsSansSerif, 13.5, true},
         kNoBackground,
         nullptr,
         kind == Kind::Find ? u"numeri da trovare" : (find ? u"numeri nascosti" : u"risposte")},
    };
    area_->addAll(texts);
    instruction_ = control<QPlainTextEdit>(area_, "Text2");
    side_ = control<QPlainTextEdit>(area_, names::kSheetText);
    // The sheet is printed as it looks: no scroll bars, and the two lines of the longer
    // instruction fit its box.
    for (QPlainTextEdit* box : {instruction_, side_}) {
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    instruction_->setFrameShape(QFrame::NoFrame);
    instruction_->document()->setDocumentMargin(1);
    for (int i = 0; i < 100; ++i) {
        const QByteArray name = cellName(i).toLatin1();
        const ControlRow cell{name.constData(),
                              ControlKind::Display,
                              360 + 480 * (i % 10),
                              1080 + 480 * (i / 10),
                              495,
                              495,
                              u"",
                              kGridFont,
                              kNoBackground,
                              nullptr,
                              nullptr,
                              Qt::AlignCenter};
        auto* label = static_cast<QLabel*>(area_->add(cell));
        label->setFrameShape(QFrame::Box);
        label->setWordWrap(false);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Base);
    }

    QAction* stampa = menuBar()->addAction(QStringLiteral("Stampa   "));
    stampa->setObjectName(QStringLiteral("mnuStampa"));
    connect(stampa, &QAction::triggered, this, [this, &printer] { print(printer); });
    QAction* esci = menuBar()->addAction(QStringLiteral("Esci"));
    esci->setObjectName(QStringLiteral("mnuEsci"));
    connect(esci, &QAction::triggered, this, &QWidget::close);
    addMenuBarKey(this);

    if (kind != Kind::Hidden)
        numbers_ = generaNumeri(find ? 10 : 12, random);
    if (kind == Kind::Recognise)
        showSheet(recogniseGridSheet(numbers_));
}

void GridWindow::activated()
{
    switch (kind_) {
    case Kind::Find:
        showSheet(findGridSheet(numbers_, findLevel_ ? findLevel_() : Level::Media));
        break;
    case Kind::Recognise:
        instruction_->setPlainText(recogniseGridSheet(numbers_).instruction);
        break;
    case Kind::Hidden:
        if (const auto covered = coveredCells_ ? coveredCells_() : std::nullopt)
            covered_ = *covered;
        showSheet(hiddenGridSheets(covered_)[0]);
        break;
    }
}

void GridWindow::print(PrintService& printer)
{
    if (kind_ != Kind::Hidden) {
        printer.printWidget(area_);
        return;
    }
    // The sheet, then its solution on a sheet of its own; the window shows the sheet again.
    const auto sheets = hiddenGridSheets(covered_);
    for (const GridSheet& sheet : sheets) {
        showSheet(sheet);
        printer.printWidget(area_);
    }
    showSheet(sheets[0]);
}

void GridWindow::showSheet(const GridSheet& sheet)
{
    for (int i = 0; i < 100; ++i) {
        auto* label = area_->findChild<QLabel*>(cellName(i));
        label->setText(sheet.captions.at(std::size_t(i)));
        // Light enough to write on once printed.
        setBackground(label, sheet.shaded.test(std::size_t(i)) ? 0x00D8D8D8 : 0x00FFFFFF);
    }
    instruction_->setPlainText(sheet.instruction);
    side_->setPlainText(withLineFeeds(sheet.sideText));
}
