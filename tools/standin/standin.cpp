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
// and, checked before those as pdftk opens its inputs first, about the
// first input (the first argument, its quotes and any handle "A=" taken off):
//   password=TEXT  it needs the open password TEXT: without a PROMPT, or
//                  when the first answer differs, pdftk's error and exit 1
//   aes=1          it is encrypted in a way pdftk cannot read: its error, exit 1
//   owneronly=1    it has only an owner password: pdftk's warning, then on
// For each PROMPT of the command line (a word "PROMPT" or ending in
// "=PROMPT"), in order, it prints pdftk's password prompt and reads one
// line from standard input; without one it never reads standard input.
// An input opened with a password is listed with it, as pdftk's verbose
// report lists it.
// The record: "cmdline=" GetCommandLineA, "cwd=" the current folder,
// "stdin=" each line read, "end".
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

void Log(const std::string& path, const std::vector<std::string>& answers)
{
    char cwd[MAX_PATH * 4];
    DWORD n = GetCurrentDirectoryA(sizeof cwd, cwd);
    std::ofstream log(path, std::ios::binary | std::ios::app);
    log << "cmdline=" << GetCommandLineA() << "\n"
        << "cwd=" << std::string(cwd, n) << "\n";
    for (const std::string& answer : answers)
        log << "stdin=" << answer << "\n";
    log << "end\n";
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The argument starting at command[at], its double quotes taken off; at
// ends past it.
std::string TakeArgument(const std::string& command, size_t& at)
{
    while (at < command.size() && IsBlank(command[at])) ++at;
    std::string argument;
    bool quoted = false;
    for (; at < command.size() && (quoted || !IsBlank(command[at])); ++at) {
        if (command[at] == '"') quoted = !quoted;
        else argument += command[at];
    }
    return argument;
}

// As pdftk names it in its messages: the file, not the handle bound to it.
std::string FirstInput()
{
    const std::string command = GetCommandLineA();
    size_t at = 0;
    TakeArgument(command, at);
    std::string input = TakeArgument(command, at);
    size_t letters = 0;
    while (letters < input.size() && input[letters] >= 'A' && input[letters] <= 'Z') ++letters;
    if (letters > 0 && letters < input.size() && input[letters] == '=') input.erase(0, letters + 1);
    return input;
}

size_t PromptCount()
{
    std::istringstream words(GetCommandLineA());
    std::string word;
    size_t count = 0;
    while (words >> word) {
        const std::string tail = "=PROMPT";
        if (word == "PROMPT" || (word.size() > tail.size() && word.compare(word.size() - tail.size(), tail.size(), tail) == 0))
            ++count;
    }
    return count;
}

// Byte by byte, so that a line sent ahead is left for its own prompt.
std::string ReadLine()
{
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    std::string line;
    char c = 0;
    DWORD got = 0;
    while (ReadFile(in, &c, 1, &got, nullptr) && got == 1) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            break;
        }
        line += c;
    }
    return line;
}

std::vector<std::string> AnswerPrompts(const std::string& input)
{
    std::vector<std::string> answers;
    for (size_t left = PromptCount(); left > 0; --left) {
        WriteAll(STD_OUTPUT_HANDLE, "Please enter the open password to use on the input PDF:\r\n   " + input +
                                        ".\r\n   It can be empty, or have a maximum of 32 characters:\r\n");
        answers.push_back(ReadLine());
    }
    return answers;
}

const char* const NoOutput = "Errors encountered.  No output created.\r\nDone.  Input errors, so no output created.\r\n";

// pdftk's complaint about an input it could not open, if it could not.
std::string OpeningError(const std::vector<std::pair<std::string, std::string>>& control, const std::string& input,
                         const std::vector<std::string>& answers)
{
    for (auto& [key, value] : control) {
        if (key == "aes" && value == "1")
            return "Error: Invalid PDF: unknown.encryption.type.r\r\nError: Failed to open input PDF file: \r\n   " +
                   input + "\r\n" + NoOutput;
        if (key == "password" && (answers.empty() || answers[0] != value))
            return "Error: Failed to open input PDF file: \r\n   " + input + "\r\n   OWNER OR USER PASSWORD REQUIRED, but " +
                   (answers.empty() ? "not given" : "incorrect") + "\r\n" + NoOutput;
    }
    return {};
}

bool HasOwnerPasswordOnly(const std::vector<std::pair<std::string, std::string>>& control)
{
    for (auto& [key, value] : control)
        if (key == "owneronly" && value == "1") return true;
    return false;
}

} // namespace

int main()
{
    auto control = ReadControl();
    std::string logPath = ExeFolder() + "standin.log";
    for (auto& [key, value] : control)
        if (key == "log") logPath = value;
    const std::string input = FirstInput();
    const std::vector<std::string> answers = AnswerPrompts(input);
    Log(logPath, answers);

    const std::string error = OpeningError(control, input, answers);
    if (!error.empty()) {
        WriteAll(STD_OUTPUT_HANDLE, error);
        return 1;
    }
    // As pdftk's verbose report does, the password read stands behind its file.
    if (!answers.empty())
        WriteAll(STD_OUTPUT_HANDLE, "Input PDF Filenames & Passwords in Order\r\n( <filename>[, <password>] ) \r\n   " +
                                        input + ", " + answers[0] + "\r\n");
    if (HasOwnerPasswordOnly(control))
        WriteAll(STD_OUTPUT_HANDLE, "WARNING: The creator of the input PDF:\r\n   " + input +
                                        "\r\n   has set an owner password (which is not required to handle this PDF)."
                                        "\r\n   You did not supply this password. Please respect any copyright.\r\n");

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
