#include "core/speech/numberwords.h"

#include <QTest>

namespace {

/// Numbers first, first + step, ... and their words, one word each.
struct Series {
    int first;
    int step;
    const char16_t* words;
};

/// Written from the Italian grammar, not from ICU: every ten, the elided ...uno and ...otto,
/// the accented ...tré, every hundred, 101-111, 180-189 and the last number.
constexpr Series kSeries[] = {
    {0, 10, u"zero dieci venti trenta quaranta cinquanta sessanta settanta ottanta novanta"},
    {1, 10,
     u"uno undici ventuno trentuno quarantuno cinquantuno sessantuno settantuno "
     u"ottantuno novantuno"},
    {8, 10,
     u"otto diciotto ventotto trentotto quarantotto cinquantotto sessantotto "
     u"settantotto ottantotto novantotto"},
    {3, 10,
     u"tre tredici ventitré trentatré quarantatré cinquantatré sessantatré settantatré "
     u"ottantatré novantatré"},
    {100, 100,
     u"cento duecento trecento quattrocento cinquecento seicento settecento "
     u"ottocento novecento"},
    {101, 1,
     u"centouno centodue centotré centoquattro centocinque centosei centosette "
     u"centotto centonove centodieci centoundici"},
    {180, 1,
     u"centottanta centottantuno centottantadue centottantatré centottantaquattro "
     u"centottantacinque centottantasei centottantasette centottantotto centottantanove"},
    {208, 1, u"duecentotto"},
    {999, 1, u"novecentonovantanove"},
};

} // namespace

class TestNumberWords : public QObject {
    Q_OBJECT
  private slots:
    void spelled_data();
    void spelled();
};

void TestNumberWords::spelled_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("words");
    for (const Series& series : kSeries) {
        int n = series.first;
        for (const QString& word : QString::fromUtf16(series.words).split(u' ')) {
            QTest::addRow("%d", n) << n << word;
            n += series.step;
        }
    }
    // Past the range there are no words.
    QTest::newRow("1000") << 1000 << QString();
}

void TestNumberWords::spelled()
{
    QFETCH(int, n);
    QFETCH(QString, words);
    QCOMPARE(numberWords(n), words);
}

QTEST_APPLESS_MAIN(TestNumberWords)
#include "test_numberwords.moc"
