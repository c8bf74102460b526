#pragma once

#include <QRect>
#include <QString>

/// The small conversions every window relies on: number text, the numeric value of a
/// typed text, rounding and the twips of the window designs.
namespace runtime {

/// A whole number as captions show it: one blank in the sign place for 0 or more
/// (" 7", " 34"), a minus sign otherwise ("-3").
QString numberText(int n);

/// The value of the longest leading part of `text` that forms a decimal number (sign,
/// digits, decimal point, exponent); blanks, tabs and line feeds are skipped wherever they
/// stand. 0 when there is no such part. A value too large for a double is +/- infinity.
double numericValue(const QString& text);

/// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x);

/// The largest whole number not above x.
double integerPart(double x);

/// Twips to logical pixels: 15 twips a pixel at 96 dpi, rounded to the nearest pixel.
int twips(int t);

/// A rectangle given as Left, Top, Width, Height in twips.
QRect twipsRect(int left, int top, int width, int height);

/// Adds one to a counter kept as a 16-bit signed whole number; it stops at 32767 rather
/// than wrapping to a negative count.
qint16 incremented(qint16 counter);

} // namespace runtime
