#include "core/base/maximum.h"

#include "core/base/runtime.h"

std::optional<qint16> acceptedMaximum(const QString& entry)
{
    const double v = runtime::numericValue(entry);
    if (!(v > 19.0 && v < 100.0))
        return std::nullopt;
    const double rounded = runtime::roundHalfEven(v);
    return static_cast<qint16>(rounded > 99.0 ? 99.0 : rounded);
}
