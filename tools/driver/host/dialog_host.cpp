// Shows one of the system's dialogs the way the program does and writes what
// the system gave back to a result file, so that tests can drive real dialogs
// and see their raw answers.
//
// Arguments, each "key=value":
//   result=PATH   the result file (required)
//   kind=K        message | open | save | folder
//   title=TEXT    box caption, dialog title, or the folder browser's text
//   text=TEXT     message text (\n stands for a line break)
//   flags=N       MessageBoxA flags
//   options=N     file or folder option set (0: the default set)
//   filter=TEXT   "Text|*.x|..." filter of a file dialog
//   file=NAME     proposed file name
//   dir=PATH      initial folder of a file dialog
//   defext=EXT    default extension of a file dialog
// Numbers may be decimal or 0x hexadecimal.
//
// Result lines: "return=", and for file dialogs "error=" (CommDlgExtendedError),
// "buffer=" (the name buffer with zero bytes as <0>), "fileOffset=",
// "filterIndex=", "flags=", "selection=" (as the program reads it, CR as
// <CR>); for the folder browser "path=" and "display=".
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>
#include "ui/FileDialogParts.h"

using namespace velmora;

namespace {

using Arguments = std::map<std::string, std::string>;

Arguments ParseArguments(int argc, char** argv)
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        std::string item = argv[i];
        size_t eq = item.find('=');
        if (eq != std::string::npos)
            arguments[item.substr(0, eq)] = item.substr(eq + 1);
    }
    return arguments;
}

std::string Argument(const Arguments& arguments, const std::string& key)
{
    auto found = arguments.find(key);
    return found == arguments.end() ? std::string() : found->second;
}

unsigned long Number(const Arguments& arguments, const std::string& key)
{
    return std::strtoul(Argument(arguments, key).c_str(), nullptr, 0);
}

std::string WithLineBreaks(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Zero bytes and other control characters written out, so that a result
// line shows exactly the bytes the system left.
std::string Shown(const char* bytes, size_t count)
{
    std::string out;
    for (size_t i = 0; i < count; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == 0)
            out += "<0>";
        else if (c == '\r')
            out += "<CR>";
        else if (c < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

std::string Shown(const std::string& text)
{
    return Shown(text.data(), text.size());
}

// The written part of the name buffer: up to its last non-zero byte and the
// zero bytes (at most two) that end it.
std::string ShownBuffer(const std::vector<char>& buffer)
{
    size_t end = buffer.size();
    while (end > 0 && buffer[end - 1] == '\0')
        --end;
    size_t zeros = 0;
    while (end + zeros < buffer.size() && zeros < 2)
        ++zeros;
    return Shown(buffer.data(), end + zeros);
}

std::string Hex(unsigned long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%lX", value);
    return text;
}

void WriteResult(const std::string& path, const std::vector<std::string>& lines)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        out << line << "\n";
}

std::vector<std::string> ShowMessage(HWND owner, const Arguments& arguments)
{
    int answer = MessageBoxA(owner, WithLineBreaks(Argument(arguments, "text")).c_str(),
                             Argument(arguments, "title").c_str(), Number(arguments, "flags"));
    return {"return=" + std::to_string(answer)};
}

std::vector<std::string> ShowFileDialog(HWND owner, const Arguments& arguments, bool open)
{
    uint16_t options = EffectiveFileOptions(static_cast<uint16_t>(Number(arguments, "options")));
    bool multi = (options & FileAllowMultiSelect) != 0;
    std::vector<char> buffer = FileBuffer(Argument(arguments, "file"), multi);
    std::string filter = FilterForSystem(Argument(arguments, "filter"));
    std::string folder = Argument(arguments, "dir");
    std::string title = Argument(arguments, "title");
    std::string defaultExtension = DefaultExtensionForSystem(Argument(arguments, "defext"));

    OPENFILENAMEA record = {};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record.hwndOwner = owner;
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    record.lpstrFile = buffer.data();
    record.nMaxFile = static_cast<DWORD>(buffer.size());
    record.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    record.lpstrTitle = title.empty() ? nullptr : title.c_str();
    record.Flags = FileDialogFlags(options);
    record.lpstrDefExt = defaultExtension.c_str();

    BOOL ok = open ? GetOpenFileNameA(&record) : GetSaveFileNameA(&record);
    DWORD error = CommDlgExtendedError();
    return {
        "return=" + std::to_string(ok),
        "error=" + Hex(error),
        "buffer=" + ShownBuffer(buffer),
        "fileOffset=" + std::to_string(record.nFileOffset),
        "filterIndex=" + std::to_string(record.nFilterIndex),
        "flags=" + Hex(record.Flags),
        "selection=" + Shown(ok ? SelectionFromBuffer(buffer.data(), buffer.size(), multi, record.nFileOffset)
                                : std::string()),
    };
}

std::vector<std::string> ShowFolderBrowser(HWND owner, const Arguments& arguments)
{
    uint16_t options = EffectiveFolderOptions(static_cast<uint16_t>(Number(arguments, "options")));
    std::string title = Argument(arguments, "title");
    char display[MAX_PATH + 1] = {};

    BROWSEINFOA request = {};
    request.hwndOwner = owner;
    request.pszDisplayName = display;
    request.lpszTitle = title.empty() ? nullptr : title.c_str();
    request.ulFlags = FolderDialogFlags(options);

    LPITEMIDLIST item = SHBrowseForFolderA(&request);
    char path[MAX_PATH + 1] = {};
    if (item) {
        SHGetPathFromIDListA(item, path);
        CoTaskMemFree(item);
    }
    return {"return=" + std::to_string(item != nullptr), "path=" + Shown(path, std::strlen(path)),
            "display=" + Shown(display, std::strlen(display))};
}

HWND CreateOwnerWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "DialogHostWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("DialogHostWindow", "Dialog host", WS_OVERLAPPEDWINDOW, 20, 20, 320, 200,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

} // namespace

int main(int argc, char** argv)
{
    Arguments arguments = ParseArguments(argc, argv);
    std::string resultPath = Argument(arguments, "result");
    if (resultPath.empty())
        return 2;
    CoInitialize(nullptr);
    HWND owner = CreateOwnerWindow();

    std::string kind = Argument(arguments, "kind");
    std::vector<std::string> result;
    if (kind == "message")
        result = ShowMessage(owner, arguments);
    else if (kind == "open" || kind == "save")
        result = ShowFileDialog(owner, arguments, kind == "open");
    else if (kind == "folder")
        result = ShowFolderBrowser(owner, arguments);
    else
        result = {"return=unknown kind " + kind};

    WriteResult(resultPath, result);
    DestroyWindow(owner);
    CoUninitialize();
    return 0;
}
