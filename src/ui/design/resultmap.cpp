#include "ui/design/resultmap.h"

#include "core/records/results.h"
#include "core/records/runrecord.h"

#include <QPainter>

namespace {

// Light to dark blue; the luma falls steadily with the share of wrong answers.
constexpr QRgb kNoWrong = qRgb(0xDE, 0xEB, 0xF7);
constexpr QRgb kAllWrong = qRgb(0x08, 0x30, 0x6B);

int mix(int a, int b, double t)
{
    return qRound(a + (b - a) * t);
}

} // namespace

ResultMap::ResultMap(QWidget* parent) : QWidget(parent)
{
    for (int i = 0; i < 100; ++i) {
        auto* reader = new QWidget(this);
        reader->setObjectName(QStringLiteral("Casella%1").arg(i));
        reader->setAttribute(Qt::WA_TransparentForMouseEvents);
        readers_[i] = reader;
    }
    placeCells();
}

void ResultMap::show(const RunRecord& record, BoardKind board, int hundred)
{
    first_ = hundred * 100;
    for (int i = 0; i < 100; ++i) {
        const RunRecord::Counts& c = record.counts(board, first_ + i);
        cells_[i] = {c.right, c.wrong};
        readers_[i]->setAccessibleName(results::cellText(first_ + i, c.right, c.wrong));
    }
    update();
}

QColor ResultMap::fill(const Cell& c)
{
    const quint64 all = quint64(c.right) + c.wrong;
    if (all == 0)
        return Qt::white;
    const double t = double(c.wrong) / double(all);
    return QColor(mix(qRed(kNoWrong), qRed(kAllWrong), t),
                  mix(qGreen(kNoWrong), qGreen(kAllWrong), t),
                  mix(qBlue(kNoWrong), qBlue(kAllWrong), t));
}

QImage ResultMap::picture(int side) const
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintCells(painter, QSizeF(side, side));
    return image;
}

void ResultMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintCells(painter, size());
}

void ResultMap::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeCells();
}

void ResultMap::placeCells()
{
    const qreal w = width() / 10.0, h = height() / 10.0;
    for (int i = 0; i < 100; ++i) {
        const QPoint topLeft(qRound(i % 10 * w), qRound(i / 10 * h));
        const QPoint next(qRound((i % 10 + 1) * w), qRound((i / 10 + 1) * h));
        readers_[i]->setGeometry(QRect(topLeft, next - QPoint(1, 1)));
    }
}

void ResultMap::paintCells(QPainter& painter, QSizeF size) const
{
    const qreal w = size.width() / 10.0, h = size.height() / 10.0;
    QFont number = font();
    number.setPixelSize(std::max(6, qRound(h * 0.34)));
    number.setBold(true);
    QFont count = number;
    count.setBold(false);
    count.setPixelSize(std::max(5, qRound(h * 0.28)));
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 100; ++i) {
        const Cell& c = cells_[i];
        const QRectF box(i % 10 * w, i / 10 * h, w, h);
        const QColor colour = fill(c);
        painter.fillRect(box, colour);
        painter.setPen(QColor(0x60, 0x60, 0x60));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        const bool dark = colour.lightnessF() < 0.55;
        painter.setPen(dark ? Qt::white : Qt::black);
        painter.setFont(number);
        const bool asked = quint64(c.right) + c.wrong > 0;
        painter.drawText(asked ? box.adjusted(0, 0, 0, -h / 2.4) : box, Qt::AlignCenter,
                         QString::number(first_ + i));
        if (asked) {
            painter.setFont(count);
            painter.drawText(box.adjusted(0, h / 2.2, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                             QString::number(c.wrong));
        }
    }
}
