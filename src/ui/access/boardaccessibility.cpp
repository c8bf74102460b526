#include "ui/access/boardaccessibility.h"

#include "core/board/countongame.h"
#include "ui/access/answerboxaccessible.h"
#include "ui/access/pressableaccessible.h"
#include "ui/design/cellbutton.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"

#include <QLabel>
#include <algorithm>

namespace {

BoardGrid* gridIn(const QObject* area)
{
    return area ? area->findChild<BoardGrid*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool isRed(const CellButton& button)
{
    return button.faceColour() == toColor(colours::kRed);
}

bool isCovered(const CellButton& button)
{
    return button.faceColour() == toColor(colours::kCovered);
}

bool isCounted(const CellButton& button)
{
    return button.faceColour() == toColor(colours::kCounted);
}

/// The tokens on a cell and the ladder or slide it holds, as the end of its name.
QString gameMarks(const CellButton& button, int i)
{
    QStringList tokens;
    for (int p = 0; p < CountOnGame::kMaxPlayers; ++p) {
        if (button.tokens() & (1U << p))
            tokens.append(tokenName(p));
    }
    QString marks;
    if (!tokens.isEmpty())
        marks += (tokens.size() > 1 ? QStringLiteral(", pedine ") : QStringLiteral(", pedina ")) +
                 tokens.join(QStringLiteral(" e "));
    const auto to = [i](int by) {
        return i < 0 ? QString() : QStringLiteral(" fino a %1").arg(i + by);
    };
    switch (button.track()) {
    case Track::LadderStart:
        return marks + QStringLiteral(", scala") + to(10);
    case Track::SlideStart:
        return marks + QStringLiteral(", scivolo") + to(-10);
    case Track::LadderEnd:
        return marks + QStringLiteral(", fine della scala");
    case Track::SlideEnd:
        return marks + QStringLiteral(", fine dello scivolo");
    case Track::None:
        break;
    }
    return marks;
}

void announce(QObject* object, QAccessible::Event event)
{
    QAccessibleEvent e(object, event);
    QAccessible::updateAccessibility(&e);
}

/// A board cell: a cell of the grid's table with its row and column, named by what it shows,
/// described as asked when the board asks for its number, and pressed like the button.
class CellAccessible final : public PressableAccessible, public QAccessibleTableCellInterface {
  public:
    explicit CellAccessible(CellButton* button) : PressableAccessible(button, QAccessible::Cell) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return BoardGrid::cellName(*button(), index());
        if (t == QAccessible::Description) {
            const BoardGrid* g = grid();
            const bool asked = g && g->askedCell() == g->indexOf(widget());
            return asked ? QString::fromUtf16(kAskedDescription) : QString();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface* parent() const override
    {
        if (BoardGrid* g = grid())
            return QAccessible::queryAccessibleInterface(g);
        return QAccessibleWidget::parent();
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override
    {
        const int i = index();
        return i < 0 ? -1 : i % BoardGrid::kColumns;
    }
    int rowIndex() const override
    {
        const int i = index();
        return i < 0 ? -1 : i / BoardGrid::kColumns;
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override
    {
        BoardGrid* g = grid();
        return g ? QAccessible::queryAccessibleInterface(g) : nullptr;
    }

  protected:
    void press() override { button()->click(); }

  private:
    CellButton* button() const { return static_cast<CellButton*>(widget()); }
    BoardGrid* grid() const { return gridIn(widget()->parentWidget()); }
    int index() const
    {
        const BoardGrid* g = grid();
        return g ? g->indexOf(widget()) : -1;
    }
};

/// The grid: a table of 10 rows and 10 columns, with no selection and no headers.
class GridAccessible final : public QAccessibleObject, public QAccessibleTableInterface {
  public:
    explicit GridAccessible(BoardGrid* grid) : QAccessibleObject(grid) {}

    bool isValid() const override { return QAccessibleObject::isValid() && area(); }
    QWindow* window() const override
    {
        QWidget* a = area();
        return a ? a->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(area());
    }
    int childCount() const override { return BoardFrame::kCellCount; }
    QAccessibleInterface* child(int index) const override
    {
        CellButton* cell = grid()->cell(index);
        return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? grid()->indexOf(child->object()) : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        for (int i = 0; i < BoardFrame::kCellCount; ++i) {
            if (CellButton* cell = grid()->cell(i); cell && cell->hasFocus())
                return QAccessible::queryAccessibleInterface(cell);
        }
        return nullptr;
    }
    QRect rect() const override
    {
        QRect r;
        for (int i = 0; i < BoardFrame::kCellCount; ++i) {
            if (CellButton* cell = grid()->cell(i); cell && cell->isVisible())
                r |= QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size());
        }
        return r;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QStringLiteral("tabella dei numeri") : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !area() || !area()->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= BoardGrid::kRows || column < 0 || column >= BoardGrid::kColumns)
            return nullptr;
        return child(row * BoardGrid::kColumns + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return BoardGrid::kColumns; }
    int rowCount() const override { return BoardGrid::kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    BoardGrid* grid() const { return static_cast<BoardGrid*>(object()); }
    QWidget* area() const { return qobject_cast<QWidget*>(object()->parent()); }
};

/// The board's client area: its controls, with the grid in place of the hundred cells.
class AreaAccessible final : public QAccessibleWidget {
  public:
    explicit AreaAccessible(QWidget* area) : QAccessibleWidget(area) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QObjectList list = children();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(children().indexOf(child->object())) : -1;
    }

  private:
    QObjectList children() const
    {
        BoardGrid* grid = gridIn(widget());
        QObjectList list;
        if (grid)
            list.append(grid);
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !(grid && qobject_cast<CellButton*>(w)))
                list.append(w);
        }
        return list;
    }
};

/// A counter, read with its meaning: the caption that labels it, then the number.
class CounterAccessible final : public QAccessibleWidget {
  public:
    explicit CounterAccessible(QLabel* counter)
        : QAccessibleWidget(counter, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        const QString number = static_cast<QLabel*>(widget())->text().trimmed();
        if (t == QAccessible::Value)
            return number;
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QLabel* label = caption();
        return label ? label->text().trimmed() + QLatin1Char(' ') + number : number;
    }

  private:
    const QLabel* caption() const
    {
        for (const QLabel* label : widget()->parentWidget()->findChildren<QLabel*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (label->buddy() == widget())
                return label;
        }
        return nullptr;
    }
};

bool isOneOf(const QObject* object, std::initializer_list<QLatin1StringView> names)
{
    return std::ranges::any_of(names,
                               [&](QLatin1StringView n) { return object->objectName() == n; });
}

QAccessibleInterface* boardInterface(const QString& key, QObject* object)
{
    if (key == QLatin1StringView("CellButton"))
        return new CellAccessible(static_cast<CellButton*>(object));
    if (key == QLatin1StringView("BoardGrid"))
        return new GridAccessible(static_cast<BoardGrid*>(object));
    if (key == QLatin1StringView("AnswerBox"))
        return new AnswerBoxAccessible(static_cast<AnswerBox*>(object));
    // The board's own area and counters, once the area has its grid.
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (key == QLatin1StringView("DesignArea") && gridIn(widget))
        return new AreaAccessible(widget);
    if (key == QLatin1StringView("QLabel") && gridIn(widget->parentWidget()) &&
        isOneOf(object, {QLatin1StringView(names::kEsatti), QLatin1StringView(names::kErrati)}))
        return new CounterAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

/// Drops an interface made for `object` by another factory while the object was being built,
/// before it had the name this factory knows it by.
template <typename Ours> void renewInterface(QObject* object)
{
    if (!object || !QAccessible::isActive())
        return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (iface && !dynamic_cast<Ours*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

} // namespace

void installBoardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(boardInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

BoardGrid::BoardGrid(const BoardFrame& frame, std::span<CellButton* const> cells, QWidget* area)
    : QObject(area), frame_(frame)
{
    Q_ASSERT(cells.size() == cells_.size());
    setObjectName(names::of(names::kGrid));
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_.at(i) = cells[i];
        shown_.at(i) = {cells[i]->text(), cellName(*cells[i], static_cast<int>(i))};
    }
    asked_ = frame_.askedCell();
    // The counters are labelled by their captions.
    auto* esatti = control<QLabel>(area, names::kEsatti);
    auto* errati = control<QLabel>(area, names::kErrati);
    control<QLabel>(area, names::kEsattiCaption)->setBuddy(esatti);
    control<QLabel>(area, names::kErratiCaption)->setBuddy(errati);
    renewInterface<AreaAccessible>(area);
    renewInterface<CounterAccessible>(esatti);
    renewInterface<CounterAccessible>(errati);
    renewInterface<AnswerBoxAccessible>(area->findChild<AnswerBox*>(names::of(names::kAnswerBox)));
    connect(&frame_, &BoardFrame::changed, this, &BoardGrid::frameChanged);
}

CellButton* BoardGrid::cell(int i) const
{
    if (i < 0 || i >= BoardFrame::kCellCount)
        return nullptr;
    return cells_.at(static_cast<std::size_t>(i));
}

int BoardGrid::indexOf(const QObject* button) const
{
    if (!button)
        return -1;
    for (int i = 0; i < BoardFrame::kCellCount; ++i) {
        if (cells_.at(static_cast<std::size_t>(i)).data() == button)
            return i;
    }
    return -1;
}

QString BoardGrid::cellName(const CellButton& button, int i)
{
    const QString caption = button.text().trimmed();
    QString name = caption.isEmpty() ? QStringLiteral("casella") : caption;
    if (isCovered(button))
        name += QStringLiteral(" coperta");
    if (isRed(button))
        name += QStringLiteral(" rossa");
    if (isCounted(button))
        name += QStringLiteral(", contato");
    if (caption.isEmpty() && i >= 0)
        name += QStringLiteral(", riga %1, colonna %2").arg(i / kColumns + 1).arg(i % kColumns + 1);
    return name + gameMarks(button, i);
}

void BoardGrid::frameChanged(BoardChanges what)
{
    if (what & BoardChange::Cells) {
        const auto& changed = frame_.changedCells();
        for (int i = 0; i < BoardFrame::kCellCount; ++i) {
            CellButton* button = cell(i);
            if (!changed.test(static_cast<std::size_t>(i)) || !button)
                continue;
            auto& [caption, name] = shown_.at(static_cast<std::size_t>(i));
            QString nowName = cellName(*button, i);
            // A new caption is announced by the button itself.
            if (nowName != name && button->text() == caption)
                announce(button, QAccessible::NameChanged);
            caption = button->text();
            name = std::move(nowName);
        }
    }
    const std::optional<int> asked = frame_.askedCell();
    if (asked == asked_)
        return;
    const std::optional<int> before = std::exchange(asked_, asked);
    for (const std::optional<int>& i : {before, asked}) {
        if (CellButton* button = i ? cell(*i) : nullptr)
            announce(button, QAccessible::DescriptionChanged);
    }
}
