#pragma once
// Small, valid PDF files for tests, made here so that no test depends on a
// PDF from outside. Each page shows its number in Helvetica.
#include <string>
#include <vector>

namespace velmora::test {

struct PageSize {
    double width = 612;    // points; 612 x 792 is US Letter
    double height = 792;
};

struct PdfSpec {
    std::vector<PageSize> pages;   // one entry per page, in order
    std::string title;             // UTF-8; empty: no document information
    std::string pageWords;         // ASCII letters and blanks shown after each page's number
};

// count pages of one size.
PdfSpec UniformPdf(int count, PageSize size = {}, const std::string& title = "");

// The whole file: header, catalog, page tree, pages with their content
// streams, one shared font, information dictionary, exact xref, trailer.
std::string PdfBytes(const PdfSpec& spec);

// Writes PdfBytes(spec) to path (8-bit ANSI); false when the file cannot be written.
bool WritePdf(const std::string& windowsPath, const PdfSpec& spec);

} // namespace velmora::test
