#include "core/board/palette.h"

#include "core/base/random.h"

Bgr caricaColori(RandomSource& random, PaletteVariant variant)
{
    const auto& palette = variant == PaletteVariant::Boards ? kBoardPalette : kMenuPalette;
    const int k = random.below(18) + 1;
    return palette[static_cast<std::size_t>(k - 1)];
}
