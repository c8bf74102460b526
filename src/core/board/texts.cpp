#include "core/board/texts.h"

namespace texts {

QString information()
{
    return QStringLiteral("Quadena dei numeri  \r\n"
                          " ----------------------- \r\n"
                          "https://www.example.org/quadena\r\n"
                          "mail: quadena@example.org");
}

} // namespace texts
