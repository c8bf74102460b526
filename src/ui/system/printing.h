#pragma once

#include "ui/design/fontstyle.h"

#include <QPrinter>
#include <functional>
#include <memory>

class QImage;
class QPainter;
class QWidget;

/// The printer as the program uses it: one call is one print job. Nothing is ever reported:
/// a missing print system, printer or a refused job leaves everything as it was.
class PrintService {
  public:
    virtual ~PrintService() = default;
    /// The text in `font`, line after line from the top left of the printable area (CR LF,
    /// or a lone CR or LF, starts a new line; a final line break ends the last line), on as
    /// many pages as it needs. A line wider than the page goes on below.
    virtual void printText(const QString& text, const FontStyle& font) = 0;
    /// An image of the widget's contents as they stand, drawn at the printer's own resolution
    /// and scaled to fit the page.
    virtual void printWidget(QWidget* widget) = 0;
    /// One page: the text at the top (LF starts a new line), the picture below it, as large
    /// as the rest of the page allows, kept square.
    virtual void printPage(const QString& text, const QImage& picture) = 0;
};

/// Prints on the printers that `makePrinter` makes, one per job; a factory that returns
/// nothing means there is no printer, and nothing is printed.
class PrinterService final : public PrintService {
  public:
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
    explicit PrinterService(PrinterFactory makePrinter = systemDefaultPrinter);

    void printText(const QString& text, const FontStyle& font) override;
    void printWidget(QWidget* widget) override;
    void printPage(const QString& text, const QImage& picture) override;

    /// The system's default printer at high resolution, or nothing when there is none.
    static std::unique_ptr<QPrinter> systemDefaultPrinter();

  private:
    /// A printer for a job drawn as a picture, or nothing.
    std::unique_ptr<QPrinter> imagePrinter() const;

    PrinterFactory makePrinter_;
};

/// The lines of a text to print: split at CR LF, lone CR and lone LF; a final line break
/// ends the last line rather than starting another, and an empty text is one empty line.
QStringList printLines(const QString& text);

/// Draws a page of `printPage` into `page` of the painter's device.
void paintPage(QPainter& painter, const QRect& page, const QString& text, const QImage& picture);
/// The same page as a one-page A4 PDF document.
QByteArray pagePdf(const QString& text, const QImage& picture);
