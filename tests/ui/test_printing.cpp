// Print jobs rendered to PDF through the program's own print service, and read back with
// pdftotext: what reaches the paper, not only what was asked for.
#include "core/sheets/gridsheets.h"
#include "core/sheets/layouts.h"
#include "core/sheets/wrap.h"
#include "fakes.h"
#include "ui/system/printing.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/windowhost.h"

#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr FontStyle kPrintFont{FontFamily::MsSansSerif, 12, false};

/// Each job goes to the next file job<N>.pdf of a folder.
struct PdfJobs {
    QTemporaryDir dir;
    int count = 0;
    PrinterService service{[this] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setOutputFileName(dir.filePath(QStringLiteral("job%1.pdf").arg(++count)));
        return printer;
    }};
    QString file(int job) const { return dir.filePath(QStringLiteral("job%1.pdf").arg(job)); }
};

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& file)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")})
        .remove(u'\f');
}

/// Pixels darker than mid grey on the first page rendered at 20 dpi.
int darkPixels(const QString& file)
{
    QTemporaryDir dir;
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-gray"),
         QStringLiteral("-singlefile"), file, dir.filePath(QStringLiteral("page"))});
    QImage page(dir.filePath(QStringLiteral("page.pgm")));
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    return dark;
}

int pdfPages(const QString& file)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(run(QStringLiteral("pdfinfo"), {file})).captured(1).toInt();
}

/// The exercises of a sheet or of its solutions as printed, in reading order.
QStringList exercises(const QString& text)
{
    static const QRegularExpression exercise(QStringLiteral("(\\d+) ([+-]) +(\\d+) ="));
    QStringList out;
    for (auto it = exercise.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out << m.captured(1) + m.captured(2) + m.captured(3);
    }
    return out;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void worksheetAndItsSolutions();
    void longTypedLineAndEmptyBox();
    void textFlowsOverPages();
    void gridWindowImage();
    void enlargedGridWindowPrintsItsDesign();
    void noPrinterPrintsNothing();
};

void TestPrinting::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void TestPrinting::worksheetAndItsSolutions()
{
    PdfJobs jobs;
    SeededRandom random(17);
    const Worksheet sheet = faiScheda(WorksheetKind::SubTensUnits, random);
    jobs.service.printText(dividiRighe(sheet.sheet, 100), kPrintFont);
    jobs.service.printText(dividiRighe(sheet.solutions, 90), kPrintFont);
    QCOMPARE(jobs.count, 2);
    const QString printed = pdfText(jobs.file(1));
    const QString corrected = pdfText(jobs.file(2));
    QVERIFY(printed.contains(QStringLiteral("ESEGUI LE SOTTRAZIONI")));
    QVERIFY(corrected.contains(QStringLiteral("ESEGUI LE SOTTRAZIONI")));
    QCOMPARE(printed.count(QStringLiteral("______")), 60);
    int rows = 0;
    for (const QString& line : printed.split(u'\n'))
        rows += line.count(QStringLiteral("______")) == 3;
    QCOMPARE(rows, 20);
    QCOMPARE(exercises(printed).size(), 60);
    QCOMPARE(exercises(corrected), exercises(printed));
    QCOMPARE(pdfPages(jobs.file(1)), 1);
}

void TestPrinting::longTypedLineAndEmptyBox()
{
    PdfJobs jobs;
    QString typed;
    for (int i = 1; i <= 40; ++i)
        typed += QStringLiteral("parola%1 ").arg(i);
    QVERIFY(typed.size() > 300);
    jobs.service.printText(dividiRighe(typed, 100), kPrintFont);
    const QStringList lines = pdfText(jobs.file(1)).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 4);
    QStringList words;
    for (const QString& line : lines) {
        QVERIFY(line.trimmed().size() <= 100);
        words += line.split(u' ', Qt::SkipEmptyParts);
    }
    QCOMPARE(words.join(u' '), typed.trimmed()); // broken at spaces, every word whole

    jobs.service.printText(dividiRighe(QString(), 100), kPrintFont);
    QCOMPARE(pdfPages(jobs.file(2)), 1);
    QVERIFY(pdfText(jobs.file(2)).trimmed().isEmpty());
}

void TestPrinting::textFlowsOverPages()
{
    PdfJobs jobs;
    QString text;
    for (int i = 1; i <= 150; ++i)
        text += QStringLiteral("riga %1\r\n").arg(i);
    jobs.service.printText(text, kPrintFont);
    QVERIFY(pdfPages(jobs.file(1)) >= 2);
    const QString printed = pdfText(jobs.file(1));
    QVERIFY(printed.contains(QStringLiteral("riga 1\n")));
    QVERIFY(printed.contains(QStringLiteral("riga 150")));
    QVERIFY(printed.indexOf(QStringLiteral("riga 149")) <
            printed.indexOf(QStringLiteral("riga 150")));
}

void TestPrinting::gridWindowImage()
{
    PdfJobs jobs;
    QWidget sheet;
    sheet.resize(638, 480);
    auto* label = new QLabel(QStringLiteral(" Scrivi in cifre i numeri"), &sheet);
    label->setGeometry(16, 8, 600, 40);
    auto* box = new QWidget(&sheet);
    box->setGeometry(100, 100, 100, 100);
    box->setStyleSheet(QStringLiteral("background: black"));
    box->setAutoFillBackground(true);
    jobs.service.printWidget(&sheet);
    QCOMPARE(pdfPages(jobs.file(1)), 1);
    // Drawn for the printer, not a screen grab stretched: the picture has the printer's
    // resolution, and it is not blank.
    static const QRegularExpression ppi(
        QStringLiteral("\\n\\s*1\\s+0\\s+image\\s+(\\d+)\\s+(\\d+)"));
    const auto m =
        ppi.match(run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), jobs.file(1)}));
    QVERIFY(m.hasMatch());
    QVERIFY2(m.captured(1).toInt() >= 638 * 5, qPrintable(m.captured(1)));
    QVERIFY(darkPixels(jobs.file(1)) > 20);
}

void TestPrinting::enlargedGridWindowPrintsItsDesign()
{
    PdfJobs jobs;
    WindowHost host;
    ScriptedRandom random({}, 5);
    GridWindow sheet(host, GridWindow::Kind::Recognise, random, jobs.service,
                     [] { return Level::Media; });
    sheet.show();
    jobs.service.printWidget(&sheet);
    // Maximised on a whiteboard: wider than the page, so its margins would shrink the sheet.
    sheet.resize(sheet.width() * 3, sheet.height() * 2);
    jobs.service.printWidget(&sheet);
    const int atDesign = darkPixels(jobs.file(1));
    const int enlarged = darkPixels(jobs.file(2));
    QVERIFY2(enlarged > atDesign * 8 / 10,
             qPrintable(QStringLiteral("%1 dark pixels against %2").arg(enlarged).arg(atDesign)));
}

void TestPrinting::noPrinterPrintsNothing()
{
    int asked = 0;
    PrinterService none([&asked] {
        ++asked;
        return std::unique_ptr<QPrinter>();
    });
    none.printText(QStringLiteral("x"), kPrintFont);
    QWidget w;
    none.printWidget(&w);
    QCOMPARE(asked, 2);
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
