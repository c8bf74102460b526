// Wrap benchmark: times the worksheet wrap (width 100) on texts of 1 KB, 100 KB and 1 MB of
// words, and on 1 MB without a single space. It reports figures; it asserts nothing.
#include "core/base/random.h"
#include "core/sheets/wrap.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace {

QString words(qsizetype size, bool spaces)
{
    SeededRandom random(1);
    QString text;
    text.reserve(size);
    while (text.size() < size) {
        const int length = 1 + random.below(10);
        for (int i = 0; i < length; ++i)
            text.append(QChar(u'a' + random.below(26)));
        if (spaces)
            text.append(random.below(40) == 0 ? QStringLiteral("\r\n") : QStringLiteral(" "));
    }
    text.truncate(size);
    return text;
}

} // namespace

int main()
{
    QTextStream out(stdout);
    const struct {
        const char* name;
        qsizetype size;
        bool spaces;
    } cases[] = {{"1 KB", 1024, true},
                 {"100 KB", 100 * 1024, true},
                 {"1 MB", 1024 * 1024, true},
                 {"1 MB, no spaces", 1024 * 1024, false}};
    for (const auto& c : cases) {
        const QString text = words(c.size, c.spaces);
        const int runs = c.size < 200000 ? 50 : 5;
        qsizetype lines = 0;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < runs; ++i)
            lines = dividiRighe(text, 100).count(QStringLiteral("\r\n"));
        const double ms = double(timer.nsecsElapsed()) / 1e6 / runs;
        out << "wrap " << c.name << ": " << QString::number(ms, 'f', 3) << " ms (" << lines
            << " lines)\n";
    }
    return 0;
}
