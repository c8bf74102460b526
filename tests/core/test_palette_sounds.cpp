#include "core/board/palette.h"
#include "fakes.h"

#include <QTest>
#include <set>

class TestPaletteSounds : public QObject {
    Q_OBJECT
  private slots:
    void variantsDifferOnlyInEntries3And9();
    void entryDrawnFromFraction_data();
    void entryDrawnFromFraction();
    void coverageOverManyDraws_data();
    void coverageOverManyDraws();
    void rightSoundDrawsOnce_data();
    void rightSoundDrawsOnce();
    void allFourRightSoundsOverManyAnswers();
    void wrongSoundDrawsNothing();
    void soundFiles();
};

void TestPaletteSounds::variantsDifferOnlyInEntries3And9()
{
    for (std::size_t i = 0; i < 18; ++i) {
        if (i == 2 || i == 8)
            QVERIFY(kBoardPalette[i] != kMenuPalette[i]);
        else
            QCOMPARE(kBoardPalette[i], kMenuPalette[i]);
    }
    QCOMPARE(kMenuPalette[2], Bgr(0x000000FF));
    QCOMPARE(kMenuPalette[8], Bgr(0x0080FF80));
}

void TestPaletteSounds::entryDrawnFromFraction_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("variant");
    QTest::addColumn<uint>("colour");
    QTest::newRow("first entry") << 0.0f << 0 << 0x00C0C0FFu;
    QTest::newRow("last entry") << 0.99999994f << 0 << 0x00FF00FFu;
    QTest::newRow("board entry 3") << 2.5f / 18 << 0 << 0x0080C0FFu;
    QTest::newRow("menu entry 3") << 2.5f / 18 << 1 << 0x000000FFu;
    QTest::newRow("board entry 9") << 8.5f / 18 << 0 << 0x00FFC0FFu;
    QTest::newRow("menu entry 9") << 8.5f / 18 << 1 << 0x0080FF80u;
}

void TestPaletteSounds::entryDrawnFromFraction()
{
    QFETCH(float, r);
    QFETCH(int, variant);
    QFETCH(uint, colour);
    ScriptedRandom random{r};
    QCOMPARE(caricaColori(random, variant ? PaletteVariant::Menu : PaletteVariant::Boards),
             Bgr(colour));
    QCOMPARE(random.draws, 1);
}

void TestPaletteSounds::coverageOverManyDraws_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("distinct");
    QTest::newRow("boards") << 0 << 15;
    QTest::newRow("menu") << 1 << 17;
}

void TestPaletteSounds::coverageOverManyDraws()
{
    QFETCH(int, variant);
    QFETCH(int, distinct);
    SeededRandom random(2024);
    QHash<Bgr, int> seen;
    const int draws = 18000;
    for (int i = 0; i < draws; ++i)
        ++seen[caricaColori(random, variant ? PaletteVariant::Menu : PaletteVariant::Boards)];
    QCOMPARE(seen.size(), distinct);
    QVERIFY(!seen.contains(colours::kCell));
    if (variant == 0) {
        QVERIFY(!seen.contains(0x000000FF));
        QVERIFY(!seen.contains(0x0080FF80));
        // Pale violet stands three times in the boards' variant, light orange twice.
        QVERIFY(seen[0x00FFC0FF] > 2500 && seen[0x00FFC0FF] < 3500);
        QVERIFY(seen[0x0080C0FF] > 1600 && seen[0x0080C0FF] < 2400);
    } else {
        QVERIFY(seen.contains(0x000000FF));
        QVERIFY(seen.contains(0x0080FF80));
    }
}

void TestPaletteSounds::rightSoundDrawsOnce_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("sound");
    QTest::newRow("0.0 -> si1") << 0.0f << int(Sound::Si1);
    QTest::newRow("0.3 -> si2") << 0.3f << int(Sound::Si2);
    QTest::newRow("0.5 -> si3") << 0.5f << int(Sound::Si3);
    QTest::newRow("0.99999994 -> si4") << 0.99999994f << int(Sound::Si4);
}

void TestPaletteSounds::rightSoundDrawsOnce()
{
    QFETCH(float, r);
    QFETCH(int, sound);
    ScriptedRandom random{r};
    RecordingSounds sink;
    suonoEsatto(random, sink);
    QCOMPARE(random.draws, 1);
    QCOMPARE(sink.played, QList<Sound>{static_cast<Sound>(sound)});
}

void TestPaletteSounds::allFourRightSoundsOverManyAnswers()
{
    SeededRandom random(5);
    RecordingSounds sink;
    for (int i = 0; i < 200; ++i)
        suonoEsatto(random, sink);
    std::set<Sound> heard(sink.played.begin(), sink.played.end());
    QCOMPARE(heard, (std::set<Sound>{Sound::Si1, Sound::Si2, Sound::Si3, Sound::Si4}));
}

void TestPaletteSounds::wrongSoundDrawsNothing()
{
    RecordingSounds sink;
    suonoErrato(sink);
    QCOMPARE(sink.played, QList<Sound>{Sound::No});
}

void TestPaletteSounds::soundFiles()
{
    QCOMPARE(soundFileName(Sound::Si1), QStringLiteral("si1.wav"));
    QCOMPARE(soundFileName(Sound::Si4), QStringLiteral("si4.wav"));
    QCOMPARE(soundFileName(Sound::No), QStringLiteral("no.wav"));
}

QTEST_APPLESS_MAIN(TestPaletteSounds)
#include "test_palette_sounds.moc"
