#pragma once

/// How many numbers the recognise and find boards and the find grid sheet show as help:
/// every number, the first row and column, or none.
enum class Level { Facile, Media, Difficile };
