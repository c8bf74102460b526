#include "ui/design/choicedesign.h"

#include "core/base/runtime.h"
#include "core/board/palette.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/namebutton.h"
#include "ui/design/names.h"
#include "ui/input/keyboard.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMainWindow>
#include <QtMath>
#include <algorithm>

namespace choicedesign {
namespace {

// The page fits a 1024 x 768 screen with the window's frame and a panel.
constexpr int kWidth = 14700;
constexpr int kHeight = 9900;
constexpr int kGap = 180;
constexpr int kWidestCell = 3600;
constexpr int kTallestCell = 1500;
constexpr int kMostColumns = 5;
/// The most names a page shows: as many as a class has children at most.
constexpr int kMostChoices = 40;

constexpr Bgr kBackground = 0x00F5E6C8;
constexpr FontStyle kTitleFont{FontFamily::ComicSans, 26, true};
constexpr FontStyle kNoticeFont{FontFamily::Arial, 14, true};
constexpr FontStyle kSmallFont{FontFamily::Arial, 12, true};
constexpr FontStyle kGiocaFont{FontFamily::ComicSans, 24, true};

constexpr int kGridTop = 960;
constexpr int kGridTopWithNotice = 1620;
constexpr int kGridBottom = 9000;

constexpr ControlRow kNotice{
    names::kChoiceNotice, ControlKind::Display, 360,     900,     13980,          660, u"",
    kNoticeFont,          kNoBackground,        nullptr, nullptr, Qt::AlignCenter};
constexpr ControlRow kGioca{
    names::kGioca, ControlKind::CaptionedPicture, 5550, 4200, 3600, 1305, u"Gioca", kGiocaFont,
    kNoBackground, ":/pictures/avvio.svg"};
constexpr ControlRow kOtherClasses{names::kAltreClassi, ControlKind::Button, 360, 9180, 2400, 540,
                                   u"Altre classi",     kSmallFont};

ControlRow titleRow(const char16_t* title)
{
    return {names::kChoiceTitle, ControlKind::Label, 360,     120,     13980,          720, title,
            kTitleFont,          kNoBackground,      nullptr, nullptr, Qt::AlignCenter};
}

/// Where each of `count` choices stands, in twips, inside `area`: up to five columns and
/// eight rows (for forty) of equal buttons, as large as the area allows up to a size that a
/// hand still takes as one button, and centred in the area.
std::vector<QRect> cells(int count, const QRect& area)
{
    if (count <= 0)
        return {};
    const int columns = std::min(kMostColumns, int(std::ceil(std::sqrt(double(count)))));
    const int rows = (count + columns - 1) / columns;
    const int width = std::min(kWidestCell, (area.width() - (columns - 1) * kGap) / columns);
    const int height = std::min(kTallestCell, (area.height() - (rows - 1) * kGap) / rows);
    const int left = area.left() + (area.width() - columns * width - (columns - 1) * kGap) / 2;
    const int top = area.top() + (area.height() - rows * height - (rows - 1) * kGap) / 2;
    std::vector<QRect> placed;
    placed.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        placed.emplace_back(left + (i % columns) * (width + kGap),
                            top + (i / columns) * (height + kGap), width, height);
    }
    return placed;
}

void showSymbol(NameButton& button, const PupilSymbol& symbol)
{
    button.setSymbol(symbol);
    button.setAccessibleName(button.text() + QStringLiteral(", ") + pupilsymbol::words(symbol));
}

} // namespace

QButtonGroup* build(QWidget* window, const ChoicePage& page)
{
    auto* area = new DesignArea({runtime::twips(kWidth), runtime::twips(kHeight)}, window);
    if (auto* main = qobject_cast<QMainWindow*>(window))
        main->setCentralWidget(area);
    setBackground(area, kBackground);
    area->add(titleRow(page.title));
    if (!page.notice.isEmpty())
        static_cast<QLabel*>(area->add(kNotice))->setText(page.notice);

    auto* group = new QButtonGroup(area);
    group->setExclusive(false);
    const int shown = std::min<int>(kMostChoices, int(page.choices.size()));
    const int gridTop = page.notice.isEmpty() ? kGridTop : kGridTopWithNotice;
    const std::vector<QRect> places =
        cells(shown, QRect(360, gridTop, 13980, kGridBottom - gridTop));
    for (int i = 0; i < shown; ++i) {
        const Choice& choice = page.choices.at(std::size_t(i));
        const QByteArray name = names::of(page.choiceName, i).toLatin1();
        const QRect& r = places.at(std::size_t(i));
        const ControlRow row{name.constData(), ControlKind::NameButton,
                             r.left(),         r.top(),
                             r.width(),        r.height(),
                             nullptr,          {FontFamily::Arial, page.points, true}};
        auto* button = static_cast<NameButton*>(area->add(row));
        button->setText(choice.caption);
        group->addButton(button, i);
        if (choice.symbol)
            showSymbol(*button, *choice.symbol);
    }
    QWidget* gioca = page.gioca ? area->add(kGioca) : nullptr;
    if (page.otherClasses)
        area->add(kOtherClasses);
    if (!group->buttons().isEmpty())
        group->buttons().constFirst()->setFocus();
    else if (gioca)
        gioca->setFocus();
    addEnterKeys(area);
    return group;
}

void setSymbols(QButtonGroup& group, const std::vector<PupilSymbol>& symbols)
{
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (auto* button = static_cast<NameButton*>(group.button(int(i))))
            showSymbol(*button, symbols[i]);
    }
}

} // namespace choicedesign
