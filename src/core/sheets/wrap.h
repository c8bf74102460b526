#pragma once

#include <QString>

/// `DividiRighe`: greedy word wrap by characters. The text, without the spaces at its two
/// ends, is broken at spaces into lines of at most `width` characters followed by the space
/// after their last word; a carriage return in the text ends a line where it stands, and
/// the line feed after it travels at the front of the next line, where it counts as one of
/// the line's characters except on the last line. The result ends with CR LF. A word
/// longer than a line is cut into pieces of `width` characters, each on a line of its own,
/// so nothing is lost and no line is longer. Runs in time linear in the length of the
/// text. Precondition: width >= 1.
QString dividiRighe(const QString& text, int width);

/// The sheets end their lines with CR LF; text boxes show lines ending with LF.
QString withLineFeeds(const QString& crLfText);
QString withCrLf(const QString& lineFeedText);
