#include "ops/LockedInputs.h"

namespace velmora {

namespace {

// The report's lines without their ending (pdftk on Windows ends them with
// CR LF, through the Linux bridge with LF) and without leading blanks.
class ReportLines {
public:
    explicit ReportLines(const std::string& report) : report_(report) {}

    bool Next(std::string& line)
    {
        if (at_ >= report_.size())
            return false;
        size_t end = report_.find('\n', at_);
        if (end == std::string::npos)
            end = report_.size();
        size_t start = report_.find_first_not_of(" \t", at_);
        size_t stop = end;
        if (stop > at_ && report_[stop - 1] == '\r')
            --stop;
        line = start < stop ? report_.substr(start, stop - start) : std::string();
        at_ = end + 1;
        return true;
    }

private:
    const std::string& report_;
    size_t at_ = 0;
};

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, const char* start)
{
    return text.rfind(start, 0) == 0;
}

bool RefusedForPassword(const std::string& line)
{
    return Contains(line, "PASSWORD REQUIRED, but not given") || Contains(line, "PASSWORD REQUIRED, but incorrect");
}

} // namespace

// "Error: Failed to open input PDF file: " stands on a line of its own, the
// file's name on the next, and why on the one after; an unknown encryption
// is told on the line before.
std::vector<LockedInput> FindLockedInputs(const std::string& report)
{
    std::vector<LockedInput> found;
    ReportLines lines(report);
    std::string line;
    bool unknownEncryption = false;
    while (lines.Next(line)) {
        if (Contains(line, "unknown.encryption.type")) {
            unknownEncryption = true;
            continue;
        }
        if (!StartsWith(line, "Error: Failed to open"))
            continue;
        std::string file;
        lines.Next(file);
        // An unknown encryption has no line of why: the next may tell of
        // the next input.
        std::string why;
        if (unknownEncryption)
            found.push_back({InputLock::EncryptionUnknown, file});
        else if (lines.Next(why) && RefusedForPassword(why))
            found.push_back({InputLock::PasswordNeeded, file});
        unknownEncryption = false;
    }
    return found;
}

bool OwnerProtectionDropped(const std::string& report)
{
    return Contains(report, "has set an owner password (which is not required to handle this PDF)");
}

} // namespace velmora
