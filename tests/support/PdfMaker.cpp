#include "tests/support/PdfMaker.h"
#include <windows.h>
#include <cmath>
#include <cstdio>

namespace velmora::test {

namespace {

// PDF numbers have no exponent and always a '.' as the decimal point.
std::string Number(double value)
{
    char text[64];
    if (value == std::floor(value))
        std::snprintf(text, sizeof text, "%.0f", value);
    else
        std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

bool IsAscii(const std::string& text)
{
    for (unsigned char c : text) {
        if (c >= 0x80 || c < 0x20)
            return false;
    }
    return true;
}

// Plain ASCII as a literal string; anything else as UTF-16BE with its byte
// order mark, the only form in which a reader takes it as Unicode.
std::string TextString(const std::string& utf8)
{
    if (IsAscii(utf8)) {
        std::string literal = "(";
        for (char c : utf8) {
            if (c == '(' || c == ')' || c == '\\')
                literal += '\\';
            literal += c;
        }
        return literal + ")";
    }
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    std::string hex = "<FEFF";
    char unit[8];
    for (wchar_t c : wide) {
        std::snprintf(unit, sizeof unit, "%04X", static_cast<unsigned>(c));
        hex += unit;
    }
    return hex + ">";
}

std::string PageContent(size_t number, const PageSize& size, const std::string& words)
{
    const std::string shown = "Page " + std::to_string(number) + (words.empty() ? "" : " " + words);
    const double fontSize = std::fmax(4.0, std::fmin(size.width, size.height) / 10);
    return "BT /F1 " + Number(fontSize) + " Tf " + Number(size.width / 10) + " " + Number(size.height / 2) +
           " Td (" + shown + ") Tj ET\n";
}

// Objects are numbered from 1; offsets are collected as they are written.
class PdfWriter {
public:
    PdfWriter() { bytes_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    void Object(size_t number, const std::string& body)
    {
        if (offsets_.size() < number)
            offsets_.resize(number);
        offsets_[number - 1] = bytes_.size();
        bytes_ += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }

    std::string Finish(size_t rootNumber, size_t infoNumber)
    {
        const size_t xref = bytes_.size();
        bytes_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n";
        bytes_ += "0000000000 65535 f \n";
        char entry[32];
        for (size_t offset : offsets_) {
            std::snprintf(entry, sizeof entry, "%010lu 00000 n \n", static_cast<unsigned long>(offset));
            bytes_ += entry;
        }
        bytes_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " +
                  std::to_string(rootNumber) + " 0 R";
        if (infoNumber)
            bytes_ += " /Info " + std::to_string(infoNumber) + " 0 R";
        bytes_ += " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
        return bytes_;
    }

private:
    std::string bytes_;
    std::vector<size_t> offsets_;
};

} // namespace

PdfSpec UniformPdf(int count, PageSize size, const std::string& title)
{
    PdfSpec spec;
    spec.pages.assign(count > 0 ? count : 0, size);
    spec.title = title;
    return spec;
}

std::string PdfBytes(const PdfSpec& spec)
{
    // 1 catalog, 2 page tree, 3 font, then a page and its content for each
    // page, then the information dictionary.
    const size_t firstPage = 4;
    const size_t info = spec.title.empty() ? 0 : firstPage + 2 * spec.pages.size();

    PdfWriter pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (size_t i = 0; i < spec.pages.size(); ++i)
        kids += (i ? " " : "") + std::to_string(firstPage + 2 * i) + " 0 R";
    pdf.Object(2, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(spec.pages.size()) + " >>");
    pdf.Object(3, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    for (size_t i = 0; i < spec.pages.size(); ++i) {
        const PageSize& size = spec.pages[i];
        const size_t page = firstPage + 2 * i;
        pdf.Object(page, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(size.width) + " " +
                             Number(size.height) + "] /Resources << /Font << /F1 3 0 R >> >> /Contents " +
                             std::to_string(page + 1) + " 0 R >>");
        const std::string content = PageContent(i + 1, size, spec.pageWords);
        pdf.Object(page + 1, "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
                                 "endstream");
    }
    if (info)
        pdf.Object(info, "<< /Title " + TextString(spec.title) + " >>");
    return pdf.Finish(1, info);
}

bool WritePdf(const std::string& windowsPath, const PdfSpec& spec)
{
    const std::string bytes = PdfBytes(spec);
    HANDLE file = CreateFileA(windowsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD wrote = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) &&
                    wrote == bytes.size();
    CloseHandle(file);
    return ok;
}

} // namespace velmora::test
