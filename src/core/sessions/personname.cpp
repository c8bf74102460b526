#include "core/sessions/personname.h"

#include <algorithm>

namespace personname {

Checked check(const QString& text)
{
    Checked c{text.simplified().normalized(QString::NormalizationForm_C), std::nullopt};
    const bool control = std::any_of(text.begin(), text.end(), [](QChar ch) {
        return ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format ||
               ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator;
    });
    if (control)
        c.fault = Fault::Control;
    else if (c.name.contains(u';'))
        c.fault = Fault::Separator;
    else if (c.name.isEmpty())
        c.fault = Fault::Empty;
    else if (c.name.size() > kLongest)
        c.fault = Fault::TooLong;
    return c;
}

std::optional<QString> accepted(const QString& text)
{
    Checked c = check(text);
    if (c.fault)
        return std::nullopt;
    return std::move(c.name);
}

} // namespace personname
