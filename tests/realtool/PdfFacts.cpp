#include "tests/realtool/PdfFacts.h"
#include "tests/support/PdfMaker.h"
#include "tools/bridge/UnixPaths.h"
#include "tools/bridge/UnixRelay.h"
#include "tools/driver/Files.h"
#include "tools/driver/Wait.h"
#include <sstream>

namespace velmora::realtool {

namespace {

std::string ValueAfter(const std::string& line, const std::string& key)
{
    return line.compare(0, key.size(), key) == 0 ? line.substr(key.size()) : std::string();
}

bool StartsWith(const std::string& line, const std::string& key)
{
    return line.compare(0, key.size(), key) == 0;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

PdfFacts ParseDumpData(const std::string& report)
{
    PdfFacts facts;
    std::string key;
    for (const std::string& line : Lines(report)) {
        if (StartsWith(line, "InfoKey: "))
            key = ValueAfter(line, "InfoKey: ");
        else if (StartsWith(line, "InfoValue: ") && key == "Title")
            facts.title = ValueAfter(line, "InfoValue: ");
        else if (StartsWith(line, "NumberOfPages: "))
            facts.pages = std::stoi(ValueAfter(line, "NumberOfPages: "));
        else if (StartsWith(line, "PageMediaRotation: "))
            facts.rotations.push_back(std::stoi(ValueAfter(line, "PageMediaRotation: ")));
        else if (StartsWith(line, "PageMediaDimensions: "))
            facts.dimensions.push_back(ValueAfter(line, "PageMediaDimensions: "));
    }
    return facts;
}

PdfFacts ReadPdf(const std::string& windowsPath, const std::string& password)
{
    std::vector<std::string> command = {"/usr/bin/pdftk", bridge::UnixPathOf(windowsPath)};
    if (!password.empty()) {
        command.push_back("input_pw");
        command.push_back(password);
    }
    command.push_back("dump_data");
    bridge::RelayResult run = bridge::RunInUnix(command, "/");
    PdfFacts facts = ParseDumpData(run.output);
    facts.opened = run.ran && run.exitCode == 0;
    facts.messages = run.ran ? run.errors : run.failure;
    return facts;
}

EncryptionFacts ReadEncryption(const std::string& windowsPath, const std::string& password)
{
    std::vector<std::string> command = {"/usr/bin/qpdf", "--show-encryption"};
    if (!password.empty())
        command.push_back("--password=" + password);
    command.push_back(bridge::UnixPathOf(windowsPath));
    bridge::RelayResult run = bridge::RunInUnix(command, "/");
    EncryptionFacts facts;
    facts.report = run.ran ? run.output + run.errors : run.failure;
    // qpdf reports the dictionary even for a wrong password, and says so.
    facts.opened = run.ran && run.exitCode == 0 && !Contains(facts.report, "Incorrect password");
    for (const std::string& line : Lines(run.output)) {
        if (StartsWith(line, "R = ")) {
            facts.encrypted = true;
            facts.revision = std::stoi(ValueAfter(line, "R = "));
        } else if (line == "Supplied password is user password") {
            facts.suppliedAs = "user";
        } else if (line == "Supplied password is owner password") {
            facts.suppliedAs = "owner";
        } else {
            const std::string allowed = ": allowed";
            if (line.size() > allowed.size() && line.compare(line.size() - allowed.size(), allowed.size(), allowed) == 0)
                facts.allowed.insert(line.substr(0, line.size() - allowed.size()));
        }
    }
    return facts;
}

namespace {

int PageWidth(int page) { return 200 + 10 * page; }
int PageHeight(int page) { return 300 + 10 * page; }

} // namespace

void MakeNumberedPdf(const std::string& windowsPath, int count, const std::string& title, int first,
                     const std::string& words)
{
    test::PdfSpec spec;
    spec.title = title;
    spec.pageWords = words;
    for (int page = first; page < first + count; ++page)
        spec.pages.push_back({static_cast<double>(PageWidth(page)), static_cast<double>(PageHeight(page))});
    if (!test::WritePdf(windowsPath, spec))
        throw driver::DriverError("cannot write " + windowsPath);
}

std::vector<std::string> PageTexts(const std::string& windowsPath)
{
    // QDF form: every content stream uncompressed, each page's introduced by
    // a comment line "%% Contents for page N".
    bridge::RelayResult run = bridge::RunInUnix(
        {"/usr/bin/qpdf", "--qdf", "--object-streams=disable", bridge::UnixPathOf(windowsPath), "-"}, "/");
    std::vector<std::string> texts;
    bool inContents = false;
    for (const std::string& line : Lines(run.ran ? run.output : "")) {
        if (StartsWith(line, "%% Contents for page ")) {
            texts.emplace_back();
            inContents = true;
        } else if (StartsWith(line, "endstream")) {
            inContents = false;
        }
        for (size_t open = line.find('('); open != std::string::npos && inContents;
             open = line.find('(', open + 1)) {
            const size_t close = line.find(')', open);
            if (close == std::string::npos)
                break;
            texts.back() += line.substr(open + 1, close - open - 1);
            open = close;
        }
    }
    return texts;
}

std::string PageDimensions(int page)
{
    return std::to_string(PageWidth(page)) + " " + std::to_string(PageHeight(page));
}

std::vector<std::string> DimensionsOfPages(const std::vector<int>& pages)
{
    std::vector<std::string> dimensions;
    for (int page : pages)
        dimensions.push_back(PageDimensions(page));
    return dimensions;
}

bool RequiresPassword(const std::string& windowsPath)
{
    bridge::RelayResult run = bridge::RunInUnix({"/usr/bin/qpdf", "--requires-password", bridge::UnixPathOf(windowsPath)}, "/");
    return run.ran && run.exitCode == 0;
}

bool ProtectPdf(const std::string& from, const std::string& to, const std::string& user, const std::string& owner,
                int bits)
{
    bridge::RelayResult run = bridge::RunInUnix({"/usr/bin/qpdf", "--allow-weak-crypto", "--encrypt", user, owner,
                                                 std::to_string(bits), "--", bridge::UnixPathOf(from),
                                                 bridge::UnixPathOf(to)},
                                                "/");
    return run.ran && run.exitCode == 0;
}

std::string FileBytes(const std::string& windowsPath)
{
    if (!driver::FileExists(windowsPath))
        return {};
    return driver::ReadFileBytes(windowsPath);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace velmora::realtool
