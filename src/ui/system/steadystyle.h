#pragma once

#include <QProxyStyle>

/// The program's style: Fusion, painting every control with one palette object per set of
/// colours. Fusion caches what it paints under keys that carry the palette's identity, and Qt
/// gives each widget a palette object of its own, so every new window, and every new window
/// colour, would add keys that are never used again; the cache keeps them for good. With one
/// palette object per set of colours the keys repeat and the cache stays small.
///
/// Works around: Fusion's pixmap cache keys, seen growing for good with Qt 6.4.2 (Debian 12,
/// Ubuntu 24.04; 18 MB for every 100 board openings), no longer with Qt 6.8.2 (Debian 13), where
/// Fusion alone grows as little as this style. Whether it is still needed is measured by
/// bench/bench_soak with and without this style (--plain-style) on each Qt the project
/// builds with, through the program as a whole.
class SteadyStyle final : public QProxyStyle {
  public:
    SteadyStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};
