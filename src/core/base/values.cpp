#include "core/base/values.h"

namespace values {

std::optional<bool> boolean(QStringView value)
{
    if (value.compare(u"true", Qt::CaseInsensitive) == 0 || value == u"1")
        return true;
    if (value.compare(u"false", Qt::CaseInsensitive) == 0 || value == u"0")
        return false;
    return std::nullopt;
}

std::optional<bool> waits(QStringView mode)
{
    if (mode.compare(u"wait", Qt::CaseInsensitive) == 0)
        return true;
    if (mode.compare(u"auto", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

} // namespace values
