#pragma once
// Memo report printing: a result memo on A4 portrait with 12.7 mm margins, straight to
// the default printer, or into a PDF when the system has no printer at all.

#include <QString>

class QPrinter;

namespace lumora {

struct MemoPrintResult {
    bool savedAsPdf = false;
    QString pdfPath; // set when savedAsPdf
};

// Lays the memo out on the printer's pages, after applying the memo page layout to it.
void printMemoTo(QPrinter& printer, const QString& text);

// Prints on the default printer; without one, writes a PDF under a fresh name in
// pdfFolder (the user's documents folder when empty) and says where.
MemoPrintResult printMemoToDefaultPrinter(const QString& text, const QString& pdfFolder = QString());

// A path in folder that no file occupies yet: "<stem>.pdf", "<stem> (2).pdf", …
QString freshPdfPath(const QString& folder, const QString& stem);

// What a window's "打印" does: nothing for an empty or all-blank memo, else print it now.
void printMemoReport(const QString& memoText);

} // namespace lumora
