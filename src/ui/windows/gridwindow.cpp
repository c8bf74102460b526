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
                       std::function<Level()> findLevel, SheetPair pair)
    : ProgramWindow(host), kind_(kind), findLevel_(std::move(findLevel)), pair_(std::move(pair)),
      area_(new DesignArea({runtime::twips(9570), runtime::twips(7200)}, this))
{
    // The hidden and the counting sheets are laid out as the find sheet.
    const bool find = kind != Kind::Recognise;
    const QLatin1StringView objectNames[] = {
        QLatin1StringView("formStampa1"), QLatin1StringView("formStampa2"),
        QLatin1StringView("formStampa3"), QLatin1StringView("formStampa4")};
    constexpr const char16_t* sideNames[] = {u"numeri da trovare", u"risposte", u"numeri nascosti",
                                             u"numeri da colorare"};
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
         sideNames[static_cast<int>(kind)]},
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

    if (auto sheets = pair_ ? pair_() : std::nullopt)
        sheets_ = std::move(*sheets);
    else if (!pair_)
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
    case Kind::Steps:
        if (auto sheets = pair_ ? pair_() : std::nullopt)
            sheets_ = std::move(*sheets);
        showSheet(sheets_[0]);
        break;
    }
}

void GridWindow::print(PrintService& printer)
{
    if (!pair_) {
        printer.printWidget(area_);
        return;
    }
    // The sheet, then its solution on a sheet of its own; the window shows the sheet again.
    for (const GridSheet& sheet : sheets_) {
        showSheet(sheet);
        printer.printWidget(area_);
    }
    showSheet(sheets_[0]);
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
