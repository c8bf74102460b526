#include "app/boardfactory.h"

#include "core/arithmetic.h"
#include "ui/boarddesign.h"
#include "ui/boardwindow.h"
#include "core/findabove.h"
#include "core/findboard.h"
#include "core/recogniseabove.h"
#include "core/recogniseboard.h"

namespace {

std::optional<ArithmeticKind> arithmeticKind(BoardKind kind)
{
    switch (kind) {
    case BoardKind::Form100a:
        return ArithmeticKind::AddUnits;
    case BoardKind::Form100b:
        return ArithmeticKind::AddTens;
    case BoardKind::Form100f:
        return ArithmeticKind::AddTensUnits;
    case BoardKind::Form100c:
        return ArithmeticKind::SubUnits;
    case BoardKind::Form100d:
        return ArithmeticKind::SubTens;
    case BoardKind::Form100e:
        return ArithmeticKind::SubTensUnits;
    default:
        return std::nullopt;
    }
}

} // namespace

std::unique_ptr<BoardModel> makeBoardModel(BoardKind kind, const BoardServices& s)
{
    if (const auto arithmetic = arithmeticKind(kind))
        return std::make_unique<ArithmeticBoard>(*arithmetic, s.state, s.random, s.sounds);
    switch (kind) {
    case BoardKind::Form100Ricon:
        return std::make_unique<RecogniseBoard>(s.state, s.random, s.sounds);
    case BoardKind::Form100Trova:
        return std::make_unique<FindBoard>(s.state, s.random, s.sounds);
    case BoardKind::Form100Ricon2:
        return std::make_unique<RecogniseAboveBoard>(s.state, s.random, s.sounds);
    case BoardKind::Form100Trova2:
        return std::make_unique<FindAboveBoard>(s.state, s.random, s.sounds);
    default:
        return nullptr;
    }
}

std::unique_ptr<BoardWindow> makeBoardWindow(BoardKind kind, const BoardServices& services)
{
    auto model = makeBoardModel(kind, services);
    if (!model || !hasBoardDesign(kind))
        return nullptr;
    return std::make_unique<BoardWindow>(services.host, boardDesign(kind), std::move(model),
                                         services.dialogs);
}
