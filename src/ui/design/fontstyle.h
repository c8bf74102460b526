#pragma once

/// Font families of the window designs; each is requested with fallbacks found on Linux.
enum class FontFamily { Arial, ComicSans, MsSansSerif };

/// A font of a design: family, size in points and weight.
struct FontStyle {
    FontFamily family = FontFamily::MsSansSerif;
    double points = 8.25;
    bool bold = false;
};
