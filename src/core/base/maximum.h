#pragma once

#include <QString>
#include <optional>

/// The highest number in play ("Numero massimo") a typed entry or a setting asks for: its
/// numeric value when above 19 and below 100, rounded half to even; an entry that rounds to
/// 100 is taken as 99. Nothing when refused.
std::optional<qint16> acceptedMaximum(const QString& entry);
