#pragma once

/// The ten exercise boards the main menu opens.
enum class BoardKind {
    Form100a,      // add units
    Form100b,      // add tens
    Form100f,      // add tens and units
    Form100c,      // subtract units
    Form100d,      // subtract tens
    Form100e,      // subtract tens and units
    Form100Ricon,  // recognise 0-99
    Form100Trova,  // find 0-99
    Form100Ricon2, // recognise above 99
    Form100Trova2, // find above 99
};
