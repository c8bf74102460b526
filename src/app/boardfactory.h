#pragma once

#include "core/boardkind.h"

#include <memory>

class BoardModel;
class Dialogs;
class RandomSource;
class SoundSink;
class WindowHost;
class BoardWindow;
struct ProgramState;

/// The services every board is given.
struct BoardServices {
    ProgramState& state;
    RandomSource& random;
    SoundSink& sounds;
    Dialogs& dialogs;
    WindowHost& host;
};

/// The rules of a board, or nothing for a board the program does not have yet.
std::unique_ptr<BoardModel> makeBoardModel(BoardKind kind, const BoardServices& services);

/// A board's window with its rules, or nothing for a board the program does not have yet.
std::unique_ptr<BoardWindow> makeBoardWindow(BoardKind kind, const BoardServices& services);
