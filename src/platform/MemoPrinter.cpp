#include "platform/MemoPrinter.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>

#include <stdexcept>

namespace lumora {
namespace {

constexpr double kMarginMm = 12.7;
// Header and footer bands sit 6.35 mm from the paper's edge, inside the margins; the
// memo report prints nothing in them, so they only keep the body within the margins.
constexpr double kHeaderFooterMm = 6.35;
static_assert(kHeaderFooterMm < kMarginMm);

void applyMemoPageLayout(QPrinter& printer)
{
    printer.setFullPage(false);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

} // namespace

void printMemoTo(QPrinter& printer, const QString& text)
{
    applyMemoPageLayout(printer);

    QTextDocument document;
    document.setDocumentMargin(0);
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setPlainText(text);

    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("打印机无法开始打印");

    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // Lay the text out in device pixels so a page of the document is a page of paper.
    const qreal scale = printer.resolution() / 96.0;
    const QSizeF pageInDocument(page.width() / scale, page.height() / scale);
    document.setPageSize(pageInDocument);

    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -i * pageInDocument.height());
        document.drawContents(&painter, QRectF(QPointF(0, i * pageInDocument.height()), pageInDocument));
        painter.restore();
    }
    painter.end();
}

QString freshPdfPath(const QString& folder, const QString& stem)
{
    const QDir dir(folder);
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
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
        throw std::runtime_error(QStringLiteral("无法创建文件夹：%1").arg(folder).toStdString());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = freshPdfPath(folder, QStringLiteral("Lumora测算结果"));
    printer.setOutputFileName(path);
    printMemoTo(printer, text);
    return {true, path};
}

void printMemoReport(const QString& memoText)
{
    if (memoText.trimmed().isEmpty())
        return;
    platform().printMemo(memoText);
}

} // namespace lumora
