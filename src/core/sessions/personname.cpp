#include "core/sessions/personname.h"

#include <algorithm>

namespace personname {

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

Checked check(const QString& text)
{
    Checked c{text.simplified().normalized(QString::NormalizationForm_C), std::nullopt};
    if (std::any_of(text.begin(), text.end(), isControl))
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
