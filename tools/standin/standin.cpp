// Stand-in for pdftk.exe in tests. It logs how it was started, then does
// what its control file asks, in order, and exits with the code asked for.
//
// Control file: the path in STANDIN_CFG, else standin.cfg beside this exe.
// One "key=value" a line:
//   log=PATH    where to append the record (default: standin.log beside exe)
//   out=TEXT    write TEXT to standard output (\n \r \t \\ \xHH understood)
//   err=TEXT    write TEXT to standard error
//   bytes=N     write N bytes to standard output, in lines of 64
//   sleep=MS    sleep
//   write=PATH  create PATH holding a few bytes (a partly written output)
//   exit=N      the exit code (default 0)
//   crash=1     end with an access violation
// The record: "cmdline=" GetCommandLineA, "cwd=" the current folder, "end".
#include <windows.h>
#include <string>
#include <vector>
#include <fstream>
#include <sstream>

namespace {

std::string ExeFolder()
{
    char path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

std::string Unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\\' || i + 1 == text.size()) { out += c; continue; }
        char e = text[++i];
        switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'x':
            if (i + 2 < text.size()) {
                out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                i += 2;
            }
            break;
        default: out += e; break;
        }
    }
    return out;
}

void WriteAll(DWORD which, const std::string& data)
{
    HANDLE h = GetStdHandle(which);
    size_t done = 0;
    while (done < data.size()) {
        DWORD wrote = 0;
        if (!WriteFile(h, data.data() + done, static_cast<DWORD>(data.size() - done), &wrote, nullptr) || wrote == 0)
            return;
        done += wrote;
    }
}

void WriteBytes(size_t count)
{
    std::string line(63, 'x');
    line += '\n';
    std::string block;
    while (block.size() < 65536) block += line;
    while (count > 0) {
        size_t n = count < block.size() ? count : block.size();
        WriteAll(STD_OUTPUT_HANDLE, block.substr(0, n));
        count -= n;
    }
}

std::vector<std::pair<std::string, std::string>> ReadControl()
{
    char env[MAX_PATH * 4];
    DWORD n = GetEnvironmentVariableA("STANDIN_CFG", env, sizeof env);
    std::string path = (n > 0 && n < sizeof env) ? std::string(env, n) : ExeFolder() + "standin.cfg";
    std::vector<std::pair<std::string, std::string>> items;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t eq = line.find('=');
        if (eq != std::string::npos) items.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    }
    return items;
}

void Log(const std::string& path)
{
    char cwd[MAX_PATH * 4];
    DWORD n = GetCurrentDirectoryA(sizeof cwd, cwd);
    std::ofstream log(path, std::ios::binary | std::ios::app);
    log << "cmdline=" << GetCommandLineA() << "\n"
        << "cwd=" << std::string(cwd, n) << "\n"
        << "end\n";
}

} // namespace

int main()
{
    auto control = ReadControl();
    std::string logPath = ExeFolder() + "standin.log";
    for (auto& [key, value] : control)
        if (key == "log") logPath = value;
    Log(logPath);

    int exitCode = 0;
    for (auto& [key, value] : control) {
        if (key == "out") WriteAll(STD_OUTPUT_HANDLE, Unescape(value));
        else if (key == "err") WriteAll(STD_ERROR_HANDLE, Unescape(value));
        else if (key == "bytes") WriteBytes(std::stoull(value));
        else if (key == "sleep") Sleep(std::stoul(value));
        else if (key == "write") std::ofstream(value, std::ios::binary) << "%PDF-1.4\n";
        else if (key == "exit") exitCode = std::stoi(value);
        else if (key == "crash") *static_cast<volatile int*>(nullptr) = 1;
    }
    return exitCode;
}
