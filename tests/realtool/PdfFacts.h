#pragma once
// What a PDF that the real pdftk wrote holds, read back on the Linux side
// (pdftk's own dump_data, qpdf's encryption report) through the same relay
// the bridge uses, so that a test judges files, not command lines.
#include <set>
#include <string>
#include <vector>

namespace velmora::realtool {

struct PdfFacts {
    bool opened = false;                  // dump_data ended with exit code 0
    int pages = -1;                       // NumberOfPages
    std::string title;                    // InfoKey Title's value, empty when none
    std::vector<int> rotations;           // PageMediaRotation, page by page
    std::vector<std::string> dimensions;  // PageMediaDimensions ("612 792"), page by page
    std::string messages;                 // pdftk's standard error, for failure texts
};

// pdftk "file" [input_pw password] dump_data.
PdfFacts ReadPdf(const std::string& windowsPath, const std::string& password = "");

// Parses dump_data's report (also the one pdftk writes to a file).
PdfFacts ParseDumpData(const std::string& report);

struct EncryptionFacts {
    bool opened = false;       // qpdf accepted the password (or the file needs none)
    bool encrypted = false;
    int revision = 0;          // R: 2 for 40-bit RC4, 3 for 128-bit RC4
    std::string suppliedAs;    // "user" or "owner": which password qpdf saw
    std::set<std::string> allowed;   // qpdf's permission lines that say "allowed"
    std::string report;        // everything qpdf said
};

// qpdf --show-encryption [--password=password] file
EncryptionFacts ReadEncryption(const std::string& windowsPath, const std::string& password = "");

// Writes a PDF of count pages to path, its pages sized PageDimensions(first)
// onwards, so that order and selection can be read back, also across files.
// Each page shows words (ASCII) after its number.
void MakeNumberedPdf(const std::string& windowsPath, int count, const std::string& title, int first = 1,
                     const std::string& words = "");
// The text each page shows, page by page, as qpdf reads its content
// streams: the strings of its text operators, joined.
std::vector<std::string> PageTexts(const std::string& windowsPath);
// "W H" as dump_data shows it: every page of a numbered PDF has its own size.
std::string PageDimensions(int page);
// The dimensions of the pages listed, in that order.
std::vector<std::string> DimensionsOfPages(const std::vector<int>& pages);

// qpdf's copy of from at to, encrypted with RC4 128 bits (bits 128) or AES-256
// (bits 256); an empty user password makes it protected by its owner
// password alone.
bool ProtectPdf(const std::string& from, const std::string& to, const std::string& user, const std::string& owner,
                int bits = 128);

// qpdf --requires-password: true only for a file that opens with a password alone.
bool RequiresPassword(const std::string& windowsPath);

// The file's bytes; empty when it cannot be read.
std::string FileBytes(const std::string& windowsPath);
bool Contains(const std::string& text, const std::string& part);

} // namespace velmora::realtool
