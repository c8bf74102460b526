#pragma once

/// The exercise boards the main menu opens.
enum class BoardKind {
    Form100a,        // add units
    Form100b,        // add tens
    Form100f,        // add tens and units
    Form100c,        // subtract units
    Form100d,        // subtract tens
    Form100e,        // subtract tens and units
    Form100Ricon,    // recognise 0-99
    Form100Trova,    // find 0-99
    Form100Ricon2,   // recognise above 99
    Form100Trova2,   // find above 99
    Form100Gioco,    // the count-on game
    Form100Nascosti, // the hidden numbers
    Form100Salti,    // counting in steps
};

/// How many board kinds there are: the kinds are 0 to kBoardKinds - 1.
inline constexpr int kBoardKinds = 13;

/// The six addition and subtraction boards' rules.
enum class ArithmeticKind {
    AddUnits,     // Form100a, "Aggiungere solo unità"
    AddTens,      // Form100b, "Aggiungere solo decine"
    AddTensUnits, // Form100f, "decine e unità"
    SubUnits,     // Form100c, "Togliere solo unità"
    SubTens,      // Form100d, "Togliere solo decine"
    SubTensUnits, // Form100e, "decine e unità"
};
