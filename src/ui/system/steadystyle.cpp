#include "ui/system/steadystyle.h"

#include <QHash>
#include <QPalette>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

/// The colours of a palette, in every group and role.
QByteArray coloursOf(const QPalette& palette)
{
    QByteArray key;
    key.reserve(int(QPalette::NColorGroups) * int(QPalette::NColorRoles) * 8);
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const QRgba64 c = palette
                                  .color(static_cast<QPalette::ColorGroup>(g),
                                         static_cast<QPalette::ColorRole>(r))
                                  .rgba64();
            const quint64 v = c;
            key.append(reinterpret_cast<const char*>(&v), sizeof v);
        }
    }
    return key;
}

/// The one palette object kept for the colours of `palette`.
const QPalette& steady(const QPalette& palette)
{
    static QHash<QByteArray, QPalette> palettes;
    const QByteArray key = coloursOf(palette);
    auto it = palettes.find(key);
    if (it == palettes.end())
        it = palettes.insert(key, palette);
    return *it;
}

/// Lends an option the steady palette of its colours for one call. The options are the
/// caller's own objects, made for this paint.
class SteadyPalette {
  public:
    explicit SteadyPalette(const QStyleOption* option)
        : option_(
              const_cast<QStyleOption*>(option)) // NOLINT(cppcoreguidelines-pro-type-const-cast)
    {
        if (option_) {
            own_ = option_->palette;
            option_->palette = steady(own_);
            // The kept palette was made for another state: a disabled item still paints
            // disabled.
            option_->palette.setCurrentColorGroup(own_.currentColorGroup());
        }
    }
    ~SteadyPalette()
    {
        if (option_)
            option_->palette = own_;
    }
    SteadyPalette(const SteadyPalette&) = delete;
    SteadyPalette& operator=(const SteadyPalette&) = delete;

  private:
    QStyleOption* option_;
    QPalette own_;
};

} // namespace

SteadyStyle::SteadyStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void SteadyStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const
{
    const SteadyPalette steadyPalette(option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SteadyStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const SteadyPalette steadyPalette(option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SteadyStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const
{
    const SteadyPalette steadyPalette(option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}
