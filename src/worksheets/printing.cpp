#include "printing.h"

#include <QPainter>
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

void PrinterService::printText(const QString& text, const FontSpec& font)
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

void PrinterService::printWidget(QWidget* widget)
{
    const std::unique_ptr<QPrinter> printer = makePrinter_ ? makePrinter_() : nullptr;
    if (!printer || !widget)
        return;
    QPainter painter;
    if (!painter.begin(printer.get()))
        return;
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    const QSize size = widget->size();
    const qreal scale =
        std::min(page.width() / qreal(size.width()), page.height() / qreal(size.height()));
    painter.scale(scale, scale);
    widget->render(&painter, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.end();
}
