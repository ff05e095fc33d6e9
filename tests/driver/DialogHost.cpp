#include "tests/driver/DialogHost.h"
#include <sstream>

using namespace velmora::driver;

DialogHost::DialogHost(const std::vector<std::string>& arguments, FolderName folderKind)
    : folder_(folderKind), resultPath_(folder_.File("result.txt"))
{
    std::vector<std::string> all = arguments;
    all.push_back("result=" + resultPath_);
    process_ = std::make_unique<Process>(BinPath("driver/dialog_host.exe"), JoinArguments(all), folder_.Path());
}

std::map<std::string, std::string> DialogHost::Result()
{
    DWORD code = process_->WaitForExit();
    if (code != 0)
        throw DriverError("the dialog host ended with code " + std::to_string(code));
    std::map<std::string, std::string> result;
    std::istringstream lines(ReadFileBytes(resultPath_));
    std::string line;
    while (std::getline(lines, line)) {
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            result[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return result;
}
