#pragma once

#include <QStringView>
#include <optional>

/// How the files and the command line write a yes or no and the mode, read the same wherever
/// they are given.
namespace values {

/// `true` or `1`, `false` or `0`, in any case; nothing for another text.
std::optional<bool> boolean(QStringView value);
/// Whether `wait` (wait for "avanti") or `auto` (go on), in any case, asks to wait; nothing
/// for another text.
std::optional<bool> waits(QStringView mode);

} // namespace values
