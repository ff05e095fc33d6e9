#include "tests/faults/FaultReport.h"
#include "tools/driver/Files.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <exception>

namespace velmora::faults {

namespace {

// The program's texts are in the ANSI code page; the report is UTF-8.
std::string Utf8(const std::string& ansi)
{
    if (ansi.empty()) return ansi;
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), static_cast<int>(wide.size()));
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    return utf8;
}

// A table cell: one line, no column breaks.
std::string Cell(const std::string& text)
{
    std::string cell;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (c == '\r' || c == '\n') cell += " / ";
        else if (c == '|') cell += "\\|";
        else if (c == '\t') cell += ' ';
        else cell += c;
    }
    return Utf8(cell);
}

std::string RowFileName(const std::string& name)
{
    std::string file;
    for (char c : name)
        file += (isalnum(static_cast<unsigned char>(c)) ? c : '-');
    return file + ".row";
}

} // namespace

FaultRecord::FaultRecord(std::string name, std::string done) : name_(std::move(name)), done_(std::move(done)) {}

void FaultRecord::Saw(const std::string& what)
{
    if (!seen_.empty()) seen_ += "; ";
    seen_ += what;
}

void FaultRecord::Checked(Tally what, bool happened)
{
    const int index = static_cast<int>(what);
    ++checked_[index];
    if (happened)
        ++happened_[index];
}

FaultRecord::~FaultRecord()
{
    const bool failed = std::uncaught_exceptions() > 0 || ::testing::Test::HasFailure();
    std::string row = "| " + Cell(name_) + " | " + Cell(done_) + " | " + Cell(seen_.empty() ? "nothing" : seen_) +
                      " | " + (failed ? "FAILED" : "held") + " |\n";
    // The table line first; the report step sums these lines: "tally", the
    // count's index, checks made, faults seen.
    for (int i = 0; i < 4; ++i)
        if (checked_[i] > 0)
            row += "tally " + std::to_string(i) + " " + std::to_string(checked_[i]) + " " +
                   std::to_string(happened_[i]) + "\n";
    // A run told no folder leaves no row: the second run, against the shipped
    // 32-bit build, would otherwise put its verdicts over the report's.
    char folderName[MAX_PATH * 4];
    const DWORD n = GetEnvironmentVariableA("VELMORA_RELIABILITY_ROWS", folderName, sizeof folderName);
    if (n == 0 || n >= sizeof folderName)
        return;
    try {
        const std::string folder = driver::WindowsPath(std::string(folderName, n));
        CreateDirectoryA(folder.c_str(), nullptr);
        driver::WriteFileBytes(driver::JoinPath(folder, RowFileName(name_)), row);
    } catch (const std::exception&) {
        // A lost row shows as a missing line in the report; the test's own
        // verdict stands either way.
    }
}

} // namespace velmora::faults
