#pragma once
// Memo report printing: a result memo on A4 portrait with 12.7 mm margins, straight to
// the default printer, or into a PDF when the system has no printer at all.

#include <QByteArray>
#include <QString>

class QPrinter;

namespace lumora {

struct MemoPrintResult {
    bool savedAsPdf = false;
    QString pdfPath; // set when savedAsPdf
};

// Lays the memo out on the printer's pages, after applying the memo page layout to it.
void printMemoTo(QPrinter& printer, const QString& text);

// The memo as the bytes of a PDF file, laid out as on paper.
QByteArray memoPdf(const QString& text);

// Prints on the default printer; without one, writes a PDF under a fresh name in
// pdfFolder (the user's documents folder when empty) and says where. Throws
// lumora::Error naming the file or folder when the PDF could not be saved whole; no
// file, partial or temporary, is left behind then.
MemoPrintResult printMemoToDefaultPrinter(const QString& text, const QString& pdfFolder = QString());

// A path in folder that nothing occupies yet, not even a dangling symbolic link:
// "<stem>.pdf", "<stem> (2).pdf", …
QString freshPdfPath(const QString& folder, const QString& stem);

// What a window's "打印" does: nothing for an empty or all-blank memo, else print it now.
void printMemoReport(const QString& memoText);

} // namespace lumora
