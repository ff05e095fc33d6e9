#include "tools/driver/Standin.h"
#include "tools/driver/Files.h"
#include <sstream>

namespace velmora::driver {

std::string StandinProgram()
{
    return BinPath("standin/pdftk.exe");
}

std::vector<StandinRun> ReadStandinLog(const std::string& path)
{
    std::vector<StandinRun> runs;
    if (!FileExists(path))
        return runs;
    std::istringstream log(ReadFileBytes(path));
    StandinRun run;
    std::string line;
    while (std::getline(log, line)) {
        if (line.rfind("cmdline=", 0) == 0)
            run.commandLine = line.substr(8);
        else if (line.rfind("cwd=", 0) == 0)
            run.folder = line.substr(4);
        else if (line.rfind("stdin=", 0) == 0)
            run.input.push_back(line.substr(6));
        else if (line == "end") {
            runs.push_back(run);
            run = StandinRun();
        }
    }
    return runs;
}

void WriteStandinControl(const std::string& path, const std::vector<StandinStep>& steps)
{
    std::string text;
    for (const auto& [key, value] : steps)
        text += key + "=" + value + "\n";
    WriteFileBytes(path, text);
}

} // namespace velmora::driver
