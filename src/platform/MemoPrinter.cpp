#include "platform/MemoPrinter.h"

#include "data/Error.h"
#include "forms/FormFonts.h"
#include "forms/SafeFileWriting.h"
#include "platform/Platform.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>

namespace lumora {
namespace {

constexpr double kMarginMm = 12.7;
// Header and footer bands sit 6.35 mm from the paper's edge, inside the margins; the
// memo report prints nothing in them, so they only keep the body within the margins.
constexpr double kHeaderFooterMm = 6.35;
static_assert(kHeaderFooterMm < kMarginMm);

// The memo is laid out at 96 pixels to the inch (see paintMemo), so 14 pixels print as
// 10.5 pt whatever the screen's resolution.
constexpr int kMemoPixelSize = 14;

// Printed text must copy and search as written. Qt's PDF writer tells readers which
// character a glyph stands for by the lowest code point the face maps to that glyph;
// Noto CJK draws the Kangxi radical ⽉ (U+2F49) and 月 (U+6708) with one glyph, so text
// printed in it reads back as radicals (and its shaped digits as nothing). AR PL UMing,
// a Song face like 宋体, gives the radicals glyphs of their own.
QFont memoFont()
{
    QFont font = formFont(FormFace::Song, kMemoPixelSize);
    font.setFamilies({formFaceName(FormFace::Song), QStringLiteral("AR PL UMing CN")});
    return font;
}

QPageLayout memoPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

// Paints the memo page by page on a device that already has the memo page layout.
void paintMemo(QPagedPaintDevice& device, int resolution, const QString& text)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(memoFont());
    document.setPlainText(text);

    QPainter painter;
    if (!painter.begin(&device))
        throw Error(QStringLiteral("打印机无法开始打印"));

    const QRectF page = device.pageLayout().paintRectPixels(resolution);
    // Lay the text out in 96-per-inch pixels so a page of the document is a page of paper.
    const qreal scale = resolution / 96.0;
    const QSizeF pageInDocument(page.width() / scale, page.height() / scale);
    document.setPageSize(pageInDocument);

    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device.newPage())
            throw Error(QStringLiteral("打印机无法开始新的一页"));
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -i * pageInDocument.height());
        document.drawContents(&painter, QRectF(QPointF(0, i * pageInDocument.height()), pageInDocument));
        painter.restore();
    }
    if (!painter.end())
        throw Error(QStringLiteral("打印机无法完成打印"));
}

} // namespace

void printMemoTo(QPrinter& printer, const QString& text)
{
    printer.setFullPage(false);
    printer.setPageLayout(memoPageLayout());
    paintMemo(printer, printer.resolution(), text);
}

QByteArray memoPdf(const QString& text)
{
    // Built in memory: Qt's PDF writer does not check its own writes, so the file is
    // written afterwards by code that does.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer); // 1200 dpi, as the printer at high resolution
        writer.setPageLayout(memoPageLayout());
        paintMemo(writer, writer.resolution(), text);
    }
    return pdf;
}

QString freshPdfPath(const QString& folder, const QString& stem)
{
    const QDir dir(folder);
    const auto taken = [](const QString& path) {
        const QFileInfo entry(path);
        // exists() follows links, so a dangling one would look free and be written through.
        return entry.exists() || entry.isSymLink();
    };
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; taken(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(n));
    return path;
}

MemoPrintResult printMemoToDefaultPrinter(const QString& text, const QString& pdfFolder)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printMemoTo(printer, text);
        return {};
    }

    QString folder = pdfFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir().mkpath(folder))
        throw Error(QStringLiteral("无法创建文件夹：%1，测算结果未保存").arg(QDir::toNativeSeparators(folder)));

    const QString path = freshPdfPath(folder, QStringLiteral("Lumora测算结果"));
    writeFileWhole(path, memoPdf(text));
    return {true, path};
}

void printMemoReport(const QString& memoText)
{
    if (memoText.trimmed().isEmpty())
        return;
    platform().printMemo(memoText);
}

} // namespace lumora
