// Where a window opened from a board goes: beside it when the screen has room, otherwise
// cascaded so that the board's left and top thirds stay in sight.
#include "ui/windows/windowplacement.h"

#include <QTest>

class TestWindowPlacement : public QObject {
    Q_OBJECT
  private slots:
    void placed_data();
    void placed();
    void frame_data();
    void frame();
};

void TestWindowPlacement::placed_data()
{
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("expected");
    const QSize sheet(640, 480);
    const QRect wide(0, 0, 1920, 1080);
    const QRect small(0, 0, 1280, 1024);
    QTest::newRow("room on the right")
        << QRect(640, 300, 640, 450) << sheet << wide << QRect(1280, 300, 640, 480);
    QTest::newRow("room on the left only")
        << QRect(1200, 100, 640, 450) << sheet << wide << QRect(560, 100, 640, 480);
    QTest::newRow("no room: cascade")
        << QRect(320, 287, 640, 450) << sheet << small << QRect(533, 437, 640, 480);
    QTest::newRow("cascade pushed back to fit")
        << QRect(320, 420, 640, 450) << sheet << small << QRect(533, 544, 640, 480);
    QTest::newRow("cascade clipped to the screen")
        << QRect(600, 550, 640, 450) << sheet << small << QRect(706, 625, 574, 399);
}

void TestWindowPlacement::placed()
{
    QFETCH(QRect, anchor);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QRect, expected);
    QCOMPARE(placedBeside(anchor, size, screen), expected);
}

void TestWindowPlacement::frame_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("expected");
    const QRect window(322, 285, 634, 453);
    QTest::newRow("framed") << QRect(321, 265, 636, 474) << QRect(321, 265, 636, 474);
    QTest::newRow("no frame") << window << window;
    QTest::newRow("frame still 1 x 1") << QRect(322, 285, 1, 1) << window;
}

void TestWindowPlacement::frame()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, expected);
    QCOMPARE(settledFrame(frame, QRect(322, 285, 634, 453)), expected);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
