#pragma once
// The stand-in pdftk.exe: where it is, what to tell it, what it logged.
#include <string>
#include <utility>
#include <vector>

namespace velmora::driver {

// The built stand-in, as a Windows path.
std::string StandinProgram();

// One run of the stand-in as it logged it.
struct StandinRun {
    std::string commandLine;   // exactly as the program received it
    std::string folder;        // its current folder
    std::vector<std::string> input;   // each line it read from its standard input, in order
};

// The complete records of the log, oldest first; none when there is no log.
// A record still being written (no "end" line yet) is left out.
std::vector<StandinRun> ReadStandinLog(const std::string& path);

// One control line: key and value, "out" "hello\n" giving "out=hello\n".
using StandinStep = std::pair<std::string, std::string>;

// Writes the control file the stand-in reads (standin.cfg beside it, or the
// file named in STANDIN_CFG): its steps run in order.
void WriteStandinControl(const std::string& path, const std::vector<StandinStep>& steps);

} // namespace velmora::driver
