#include "core/board/exerciseparts.h"

#include "core/base/runtime.h"

void fillHelpCaptions(BoardSurface& surface, Level level, int first)
{
    for (int i = 0; i < BoardSurface::kCellCount; ++i) {
        const bool shown =
            level == Level::Facile || (level == Level::Media && (i < 10 || i % 10 == 0));
        surface.setCaption(i, shown ? runtime::numberText(first + i) : QString());
    }
}
