#include "ui/controls.h"

#include "core/runtime.h"
#include "ui/cellbutton.h"
#include "ui/designarea.h"

#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>

QFont makeFont(const FontStyle& row)
{
    QFont font;
    switch (row.family) {
    case FontFamily::Arial:
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        break;
    case FontFamily::ComicSans:
        font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                          QStringLiteral("Liberation Sans")});
        break;
    case FontFamily::MsSansSerif:
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
        break;
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(row.points);
    font.setBold(row.bold);
    return font;
}

QColor toColor(Bgr bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

void setBackground(QWidget* widget, Bgr bgr)
{
    const QColor colour = toColor(bgr);
    if (widget->autoFillBackground() &&
        widget->palette().color(QPalette::Active, widget->backgroundRole()) == colour)
        return; // a new palette would reach every child
    QPalette palette = widget->palette();
    // Only the widget's own background role: a window's colour must not reach its buttons.
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

namespace {

constexpr int kIconSize = 32;

/// A scroll bar a child sees at once: a white track, a large blue handle and big arrow buttons;
/// red border when it has the keyboard focus. Its measures grow with the design's `factor`.
QString scrollBarStyle(qreal factor)
{
    const auto px = [factor](int v) { return QString::number(qRound(v * factor)); };
    return QStringLiteral(R"(
QScrollBar:horizontal { background: #ffffff; border: %1px solid #0b2f73; border-radius: %2px;
                        margin: 0 %3px 0 %3px; }
QScrollBar:horizontal:focus { border-color: #d81f26; }
QScrollBar::handle:horizontal { background: #1f5fd6; min-width: %4px; border-radius: %5px;
                                margin: %1px; }
QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal {
    background: #1f5fd6; width: %6px; border: %1px solid #0b2f73; border-radius: %2px;
    subcontrol-origin: margin; }
QScrollBar::add-line:horizontal { subcontrol-position: right; }
QScrollBar::sub-line:horizontal { subcontrol-position: left; }
QScrollBar::left-arrow:horizontal { image: url(:/pictures/freccia_sinistra.svg); width: %7px; height: %7px; }
QScrollBar::right-arrow:horizontal { image: url(:/pictures/freccia_destra.svg); width: %7px; height: %7px; }
QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; }
)")
        .arg(px(2), px(4), px(28), px(36), px(3), px(26), px(14));
}

/// A horizontal scroll bar that also answers the keyboard: arrows move it by one step,
/// Home and End to its ends (Qt's own scroll bar has no keyboard interface).
class KeyScrollBar final : public QScrollBar {
  public:
    explicit KeyScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            triggerAction(SliderSingleStepSub);
            break;
        case Qt::Key_Right:
        case Qt::Key_Up:
            triggerAction(SliderSingleStepAdd);
            break;
        case Qt::Key_Home:
            triggerAction(SliderToMinimum);
            break;
        case Qt::Key_End:
            triggerAction(SliderToMaximum);
            break;
        default:
            QScrollBar::keyPressEvent(event);
        }
    }
};

/// An option button whose caption wraps inside its box, as the window designs expect; its
/// round indicator grows with the design like the caption.
class WrappingRadioButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

    void setFactor(qreal factor)
    {
        factor_ = factor;
        update();
    }

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect design =
            style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
        const QSize size = design.size() * factor_;
        const QRect indicator(design.left(), (height() - size.height()) / 2, size.width(),
                              size.height());
        option.rect = indicator;
        p.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
        const QRect text = rect().adjusted(indicator.right() + qRound(5 * factor_), 0, 0, 0);
        p.drawItemText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, palette(),
                       isEnabled(), this->text(), QPalette::WindowText);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = text;
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

  private:
    qreal factor_ = 1;
};

/// One icon per picture for the whole program: the icon engine caches what it renders under
/// the icon's own serial number, so an icon made anew for every window would leave new
/// cache entries behind each time.
QIcon sharedIcon(const char* picture)
{
    static QHash<QString, QIcon> icons;
    const QString path = QString::fromLatin1(picture);
    auto it = icons.find(path);
    if (it == icons.end())
        it = icons.insert(path, QIcon(path));
    return *it;
}

/// An option button whose wrapped caption would fill its box to the edges grows to the
/// right (by half its width at most), so the caption keeps clear of the controls below.
void fitOption(WrappingRadioButton* option, qreal factor)
{
    option->setFactor(factor);
    const int indicator =
        qRound((option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + 8) * factor);
    const QFontMetrics metrics(option->font());
    const auto textHeight = [&](int width) {
        return metrics
            .boundingRect(QRect(0, 0, width - indicator, 10000), Qt::TextWordWrap, option->text())
            .height();
    };
    const int room = option->height() - metrics.height() / 2;
    int width = option->width();
    while (textHeight(width) > room && width < option->width() * 3 / 2)
        width += 4;
    option->resize(width, option->height());
}

/// A button whose caption is wider than the button grows around its centre, so the caption
/// is read whole rather than cut short.
void fitButton(QAbstractButton* button)
{
    const int needed = QFontMetrics(button->font()).horizontalAdvance(button->text()) + 12;
    if (needed <= button->width())
        return;
    const QRect r = button->geometry();
    button->setGeometry(r.center().x() - needed / 2, r.top(), needed, r.height());
}

/// A label wraps when its box holds two lines or more; a one-line label that its caption
/// does not fit grows to the right rather than cut the caption off.
void fitLabel(QLabel* label)
{
    const QFontMetrics metrics(label->font());
    if (label->height() >= 2 * metrics.lineSpacing())
        return;
    label->setWordWrap(false);
    const int needed = metrics.horizontalAdvance(label->text()) + 2 * label->margin() + 2;
    if (needed > label->width())
        label->resize(needed, label->height());
}

QWidget* makeWidget(QWidget* parent, const ControlRow& row, const QString& caption)
{
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Display: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(row.alignment);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::Cell: {
        auto* cell = new CellButton(parent);
        cell->setText(caption);
        return cell;
    }
    case ControlKind::PictureButton: {
        auto* button = new QPushButton(parent);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
    case ControlKind::CaptionedPicture: {
        auto* button = new QToolButton(parent);
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case ControlKind::OptionButton:
        return new WrappingRadioButton(caption, parent);
    case ControlKind::TextBox:
        return new QLineEdit(caption, parent);
    case ControlKind::TextArea: {
        auto* box = new QPlainTextEdit(caption, parent);
        box->setTabChangesFocus(true);
        return box;
    }
    case ControlKind::ScrollBar: {
        return new KeyScrollBar(parent);
    }
    }
    return nullptr;
}

} // namespace

void placeControl(QWidget* control, const ControlPlacement& placement, qreal factor, QPoint origin)
{
    const QRect& r = placement.rect;
    // Edges rounded, not sizes: neighbours that touch in the design touch at every size.
    const auto at = [factor](int v) { return qRound(v * factor); };
    control->setGeometry(QRect(QPoint(origin.x() + at(r.left()), origin.y() + at(r.top())),
                               QPoint(origin.x() + at(r.left() + r.width()) - 1,
                                      origin.y() + at(r.top() + r.height()) - 1)));
    QFont font = makeFont(placement.font);
    font.setPointSizeF(placement.font.points * factor);
    control->setFont(font);
    if (placement.picture) {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setIconSize(QSize(at(kIconSize), at(kIconSize)));
    }
    switch (placement.kind) {
    case ControlKind::Label:
        fitLabel(static_cast<QLabel*>(control));
        break;
    case ControlKind::CaptionedPicture:
        fitButton(static_cast<QAbstractButton*>(control));
        break;
    case ControlKind::OptionButton:
        fitOption(static_cast<WrappingRadioButton*>(control), factor);
        break;
    case ControlKind::ScrollBar: {
        const QString style = scrollBarStyle(factor);
        if (control->styleSheet() != style)
            control->setStyleSheet(style);
        break;
    }
    default:
        break;
    }
}

QWidget* createControl(QWidget* parent, const ControlRow& row)
{
    const QString caption = row.caption ? QString::fromUtf16(row.caption) : QString();
    QWidget* widget = makeWidget(parent, row, caption);
    widget->setObjectName(QString::fromLatin1(row.name));
    if (auto* cell = qobject_cast<CellButton*>(widget)) {
        cell->setFaceColour(toColor(row.background));
    } else if (row.background != kNoBackground) {
        setBackground(widget, row.background);
    }
    if (row.picture) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setIcon(sharedIcon(row.picture));
    }
    if (row.accessibleName)
        widget->setAccessibleName(QString::fromUtf16(row.accessibleName));
    const ControlPlacement placement{row.kind,
                                     runtime::twipsRect(row.left, row.top, row.width, row.height),
                                     row.font, row.picture != nullptr};
    placeControl(widget, placement, 1);
    if (auto* area = qobject_cast<DesignArea*>(parent))
        area->adopt(widget, placement);
    return widget;
}

void createControls(QWidget* parent, std::span<const ControlRow> rows)
{
    for (const ControlRow& row : rows)
        createControl(parent, row);
}
