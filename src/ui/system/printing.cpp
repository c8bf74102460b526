#include "ui/system/printing.h"

#include "ui/design/designarea.h"
#include "ui/design/fonts.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextLayout>
#include <QWidget>

QStringList printLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

PrinterService::PrinterService(PrinterFactory makePrinter) : makePrinter_(std::move(makePrinter)) {}

std::unique_ptr<QPrinter> PrinterService::systemDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void PrinterService::printText(const QString& text, const FontStyle& font)
{
    const std::unique_ptr<QPrinter> printer = makePrinter_ ? makePrinter_() : nullptr;
    if (!printer)
        return;
    QPainter painter;
    if (!painter.begin(printer.get()))
        return;
    const QFont printFont(makeFont(font), printer.get());
    painter.setFont(printFont);
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    const qreal width = page.width();
    const qreal bottom = page.height();
    qreal y = 0;
    for (const QString& line : printLines(text)) {
        QTextLayout layout(line, printFont, printer.get());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine())
            row.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            QTextLine row = layout.lineAt(i);
            if (y > 0 && y + row.height() > bottom) {
                if (!printer->newPage())
                    return;
                y = 0;
            }
            row.draw(&painter, QPointF(-row.x(), y - row.y()));
            y += row.height();
        }
    }
    painter.end();
}

std::unique_ptr<QPrinter> PrinterService::imagePrinter() const
{
    std::unique_ptr<QPrinter> printer = makePrinter_ ? makePrinter_() : nullptr;
    // At most 600 dpi: sharp on paper, and a small job.
    if (printer && printer->resolution() > 600)
        printer->setResolution(600);
    return printer;
}

void PrinterService::printWidget(QWidget* widget)
{
    const std::unique_ptr<QPrinter> printer = widget ? imagePrinter() : nullptr;
    if (!printer)
        return;
    // The window is drawn into a white picture at the printer's resolution, without the
    // blinking text cursor, then printed.
    QPainter painter;
    if (!painter.begin(printer.get()))
        return;
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    // A window enlarged on a big screen prints its design alone, as large as at its own size,
    // not the empty margins around it.
    QRect source = widget->rect();
    if (const auto* area = widget->findChild<DesignArea*>(); area && area->factor() > 1) {
        const QRect design = area->designRect();
        source = QRect(area->mapTo(widget, design.topLeft()), design.size());
    }
    const QSize size = source.size();
    const qreal scale =
        std::min(page.width() / qreal(size.width()), page.height() / qreal(size.height()));
    QImage image((QSizeF(size) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    const QPointer<QWidget> focused = QApplication::focusWidget();
    if (focused && widget->isAncestorOf(focused))
        focused->clearFocus();
    {
        QPainter picture(&image);
        widget->render(&picture, QPoint(), QRegion(source),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    if (focused)
        focused->setFocus();
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size) * scale), image);
    painter.end();
}

void paintPage(QPainter& painter, const QRect& page, const QString& text, const QImage& picture)
{
    QFont font = makeFont({FontFamily::Arial, 11, false});
    font.setPixelSize(std::max(8, page.height() / 70));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect used =
        painter.boundingRect(page, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.drawText(page, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    const int gap = painter.fontMetrics().height();
    const QRect rest(page.left(), used.bottom() + gap, page.width(),
                     page.bottom() - used.bottom() - gap);
    const int side = std::min(rest.width(), rest.height());
    if (side <= 0 || picture.isNull())
        return;
    painter.drawImage(QRect(rest.left() + (rest.width() - side) / 2, rest.top(), side, side),
                      picture);
}

void PrinterService::printPage(const QString& text, const QImage& picture)
{
    const std::unique_ptr<QPrinter> printer = imagePrinter();
    if (!printer)
        return;
    QPainter painter;
    if (!painter.begin(printer.get()))
        return;
    paintPage(painter, printer->pageLayout().paintRectPixels(printer->resolution()), text, picture);
    painter.end();
}

QByteArray pagePdf(const QString& text, const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Risultati"));
        writer.setCreator(QStringLiteral("Quadena dei numeri"));
        QPainter painter(&writer);
        paintPage(painter, writer.pageLayout().paintRectPixels(writer.resolution()), text, picture);
    }
    return bytes;
}
