#pragma once

#include <array>
#include <cstdint>

class RandomSource;

/// Colours are 24-bit values written 0x00BBGGRR, as the window designs give them.
using Bgr = std::uint32_t;

namespace colours {
inline constexpr Bgr kCell = 0x00C0FFC0;       // light green of the board cells
inline constexpr Bgr kRed = 0x000000FF;        // an asked or found cell
inline constexpr Bgr kCovered = 0x00A8A8A8;    // a cell whose number is hidden
inline constexpr Bgr kBoardLabel = 0x00FFFF00; // labels on the boards and the start window
inline constexpr Bgr kMenuLabel = 0x00FFFF80;  // labels of the main menu
// A counted cell: mid blue, apart from green and red without colour vision, and darker than
// the cells in grey, under black captions.
inline constexpr Bgr kCounted = 0x00FF9A5A;
} // namespace colours

enum class PaletteVariant { Boards, Menu };

/// The 18 entries of each variant, entry 1 first. Repeated entries weigh their colour more.
inline constexpr std::array<Bgr, 18> kBoardPalette = {
    0x00C0C0FF, 0x008080FF, 0x0080C0FF, 0x0080C0FF, 0x000080FF, 0x00C0FFFF,
    0x0000FFFF, 0x000040C0, 0x00FFC0FF, 0x0000C000, 0x00FFFFC0, 0x00FFFF00,
    0x00FFC0C0, 0x00FFC0FF, 0x00FFC0FF, 0x00E0E0E0, 0x00FF0000, 0x00FF00FF};

inline constexpr std::array<Bgr, 18> kMenuPalette = {
    0x00C0C0FF, 0x008080FF, 0x000000FF, 0x0080C0FF, 0x000080FF, 0x00C0FFFF,
    0x0000FFFF, 0x000040C0, 0x0080FF80, 0x0000C000, 0x00FFFFC0, 0x00FFFF00,
    0x00FFC0C0, 0x00FFC0FF, 0x00FFC0FF, 0x00E0E0E0, 0x00FF0000, 0x00FF00FF};

/// A window's new background colour: one draw k = floor(r * 18) + 1, entry k of the variant.
Bgr caricaColori(RandomSource& random, PaletteVariant variant);
