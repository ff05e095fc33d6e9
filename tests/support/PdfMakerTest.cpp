#include "tests/support/PdfMaker.h"
#include <gtest/gtest.h>
#include <cstdlib>

using namespace velmora::test;

namespace {

size_t NumberAfter(const std::string& text, const std::string& label, size_t from = 0)
{
    size_t at = text.find(label, from);
    return at == std::string::npos ? 0 : std::strtoul(text.c_str() + at + label.size(), nullptr, 10);
}

} // namespace

// pdftk quietly rebuilds a broken xref table, so the checks through pdftk
// would not notice a wrong offset: every entry must point at its object.
TEST(PdfMaker, XrefOffsetsPointAtTheirObjects)
{
    PdfSpec spec = UniformPdf(3, {200, 300}, "Title (with) \\ marks");
    spec.pages[1] = {841.89, 595.28};
    const std::string pdf = PdfBytes(spec);

    const size_t xref = NumberAfter(pdf, "startxref\n");
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    const size_t count = NumberAfter(pdf, "\n0 ", xref);
    EXPECT_EQ(count, 1 + 3 + 2 * 3 + 1);   // free entry, catalog/pages/font, pages+contents, info
    EXPECT_EQ(NumberAfter(pdf, "/Size "), count);

    size_t entry = pdf.find('\n', xref + 5) + 1;
    EXPECT_EQ(pdf.compare(entry, 20, "0000000000 65535 f \n"), 0);
    for (size_t object = 1; object < count; ++object) {
        entry += 20;
        const size_t offset = std::strtoul(pdf.c_str() + entry, nullptr, 10);
        const std::string header = std::to_string(object) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << "object " << object;
    }
    EXPECT_EQ(pdf.compare(entry + 20, 8, "trailer\n"), 0);
}

TEST(PdfMaker, StreamLengthsAndPageBoxesAreExact)
{
    PdfSpec spec;
    spec.pages = {{100, 200}, {612.5, 792}};
    const std::string pdf = PdfBytes(spec);

    EXPECT_NE(pdf.find("/MediaBox [0 0 100 200]"), std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [0 0 612.5000 792]"), std::string::npos);
    EXPECT_NE(pdf.find("(Page 2) Tj"), std::string::npos);
    EXPECT_EQ(pdf.find("/Info"), std::string::npos);

    for (size_t at = pdf.find("/Length "); at != std::string::npos; at = pdf.find("/Length ", at + 1)) {
        const size_t length = NumberAfter(pdf, "/Length ", at);
        const size_t data = pdf.find("stream\n", at) + 7;
        EXPECT_EQ(pdf.compare(data + length, 9, "endstream"), 0);
    }
}

TEST(PdfMaker, TitlesAreEscapedOrWrittenAsUtf16)
{
    EXPECT_NE(PdfBytes(UniformPdf(1, {}, "a (b) \\")).find("/Title (a \\(b\\) \\\\)"), std::string::npos);
    const std::string pdf = PdfBytes(UniformPdf(1, {}, "Gr\xC3\xBC\xC3\x9F" "e"));
    EXPECT_NE(pdf.find("/Title <FEFF0047007200FC00DF0065>"), std::string::npos);
}
