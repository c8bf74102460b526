#include "ui/windows/gridwindow.h"

#include "core/sheets/gridsheets.h"
#include "core/base/runtime.h"
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
                       std::function<Level()> findLevel)
    : ProgramWindow(host), kind_(kind), findLevel_(std::move(findLevel)),
      area_(new DesignArea({runtime::twips(9570), runtime::twips(7200)}, this))
{
    const bool find = kind == Kind::Find;
    setObjectName(find ? QStringLiteral("formStampa1") : QStringLiteral("formStampa2"));
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
         find ? u"numeri da trovare" : u"risposte"},
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
    connect(stampa, &QAction::triggered, this, [this, &printer] { printer.printWidget(area_); });
    QAction* esci = menuBar()->addAction(QStringLiteral("Esci"));
    esci->setObjectName(QStringLiteral("mnuEsci"));
    connect(esci, &QAction::triggered, this, &QWidget::close);
    addMenuBarKey(this);

    numbers_ = generaNumeri(find ? 10 : 12, random);
    if (!find)
        showSheet(recogniseGridSheet(numbers_));
}

void GridWindow::activated()
{
    if (kind_ == Kind::Find)
        showSheet(findGridSheet(numbers_, findLevel_ ? findLevel_() : Level::Media));
    else
        instruction_->setPlainText(recogniseGridSheet(numbers_).instruction);
}

void GridWindow::showSheet(const GridSheet& sheet)
{
    for (int i = 0; i < 100; ++i)
        area_->findChild<QLabel*>(cellName(i))->setText(sheet.captions.at(std::size_t(i)));
    instruction_->setPlainText(sheet.instruction);
    side_->setPlainText(withLineFeeds(sheet.sideText));
}
