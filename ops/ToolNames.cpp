#include "ops/ToolNames.h"
#include "ops/OperationPaths.h"
#include <cwchar>

namespace velmora {

namespace {

size_t NameStart(const WideText& path)
{
    for (size_t i = LengthOf(path); i > 0; --i) {
        if (path[i - 1] == L'\\' || path[i - 1] == L'/' || path[i - 1] == L':')
            return i;
    }
    return 0;
}

WideText Piece(const WideText& text, size_t from, size_t to)
{
    WideText piece(text.begin() + from, text.begin() + to);
    piece.push_back(L'\0');
    return piece;
}

WideText BaseOf(const WideText& path)
{
    const size_t start = NameStart(path);
    size_t end = LengthOf(path);
    for (size_t i = end; i > start; --i) {
        if (path[i - 1] == L'.') {
            end = i - 1;
            break;
        }
    }
    return Piece(path, start, end);
}

WideText FullPath(const WideText& path)
{
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path.data(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return path;
    return WideText(full, full + length + 1);
}

bool IsPlainAscii(const std::string& name)
{
    for (char c : name) {
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return !name.empty();
}

bool IsRooted(const WideText& path)
{
    return LengthOf(path) > 1 && (path[0] == L'\\' || path[0] == L'/' || path[1] == L':');
}

// A file name as pdftk's current folder sees it, made full.
WideText SeenFrom(const WideText& folder, const std::string& name)
{
    const WideText wide = WideFromAnsi(name);
    return FullPath(IsRooted(wide) ? wide : Joined(folder, wide.data()));
}

std::string Quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

// Burst and dump run in a folder beside their input; their arguments begin
// with the quoted input, which is then one folder up.
std::string ReadFromParent(const std::string& arguments, const std::string& name)
{
    if (arguments.compare(0, name.size() + 2, Quoted(name)) != 0)
        return arguments;
    return Quoted("..\\" + name) + arguments.substr(name.size() + 2);
}

// The output's name with the input's stand-in base replaced by its real one.
WideText RealOutput(const InputName& input, const std::string& outputFile)
{
    const std::string handedBase = InputBase(input.name);
    if (outputFile.compare(0, handedBase.size(), handedBase) != 0)
        return SeenFrom(input.folder, outputFile);
    const WideText ending = WideFromAnsi(outputFile.substr(handedBase.size()));
    return Joined(Joined(input.folder, input.base.data()), ending.empty() ? L"" : ending.data());
}

bool SameText(const WideText& a, const WideText& b)
{
    return CompareStringOrdinal(a.data(), -1, b.data(), -1, FALSE) == CSTR_EQUAL;
}

} // namespace

InputName ChooseInputName(const WideText& fullPath, const std::string& shortName, const std::string& linkName,
                          UINT codePage)
{
    InputName input;
    input.path = fullPath;
    input.folder = Piece(fullPath, 0, NameStart(fullPath));
    input.base = BaseOf(fullPath);
    if (auto exact = ExactAnsi(fullPath.data(), codePage)) {
        input.name = *exact;
        return input;
    }
    input.plain = false;
    if (auto own = ExactAnsi(fullPath.data() + NameStart(fullPath), codePage)) {
        input.name = *own;
    } else if (IsPlainAscii(shortName)) {
        input.name = shortName;
    } else {
        input.name = linkName;
        input.linked = true;
    }
    return input;
}

InputName NameInput(const WideText& path, const std::string& linkName, bool withShortName, UINT codePage)
{
    const WideText full = FullPath(path);
    std::string shortName;
    wchar_t shortPath[MAX_PATH];
    const DWORD length = withShortName ? GetShortPathNameW(full.data(), shortPath, MAX_PATH) : 0;
    if (length > 0 && length < MAX_PATH) {
        const WideText shortText(shortPath, shortPath + length + 1);
        shortName = ShownAnsi(shortText.data() + NameStart(shortText), codePage);
        // The long name given back is no short name.
        if (SameText(BaseOf(shortText), BaseOf(full)))
            shortName.clear();
    }
    return ChooseInputName(full, shortName, linkName, codePage);
}

std::string MissingFileNotice(const WideText& path)
{
    return "The file " + ShownAnsi(path) + " was not found.";
}

std::string TemporaryName(unsigned long processId, unsigned serial, const char* ending)
{
    char name[64];
    wsprintfA(name, "velmora-%lu-%u%s", processId, serial, ending);
    return name;
}

ToolRun RunOn(const InputName& input, const ToolCall& call, OutputNaming naming)
{
    ToolRun run;
    run.call = call;
    run.inputFiles = {input.path.empty() ? WideFromAnsi(input.name) : input.path};
    if (input.plain) {
        run.folder = WideFromAnsi(call.folder);
        run.folderToCreate = WideFromAnsi(call.folderToCreate);
        run.output = WideFromAnsi(OutputPath(call));
        return run;
    }
    if (input.linked)
        run.links.push_back({Joined(input.folder, WideFromAnsi(input.name).data()), input.path});
    if (!call.folderToCreate.empty()) {
        run.folderToCreate = Joined(input.folder, input.base.data());
        run.folder = run.folderToCreate;
        run.call.arguments = ReadFromParent(call.arguments, input.name);
        if (!call.outputFile.empty())
            run.output = SeenFrom(Joined(run.folder, L"\\"), call.outputFile);
        return run;
    }
    run.folder = input.folder;
    if (call.outputFile.empty())
        return run;
    const WideText written = SeenFrom(input.folder, call.outputFile);
    run.output = naming == OutputNaming::AfterInput ? RealOutput(input, call.outputFile) : written;
    if (!SameText(run.output, written))
        run.written = written;
    return run;
}

std::string TargetName(const WideText& target, const std::string& temporaryName, UINT codePage)
{
    auto exact = ExactAnsi(target.data(), codePage);
    return exact ? *exact : temporaryName;
}

ToolRun RunOver(const std::vector<InputName>& inputs, const ToolCall& call, const WideText& folder,
                const WideText& target, UINT codePage)
{
    ToolRun run;
    run.call = call;
    bool plain = FitsCodePage(target.data(), codePage);
    for (const InputName& input : inputs) {
        plain = plain && input.plain;
        run.inputFiles.push_back(input.path);
        if (input.linked)
            run.links.push_back({Joined(input.folder, WideFromAnsi(input.name).data()), input.path});
    }
    if (plain) {
        run.folder = WideFromAnsi(call.folder);
        run.output = WideFromAnsi(OutputPath(call));
        return run;
    }
    run.folder = folder;
    run.output = target;
    const WideText written = SeenFrom(folder, call.outputFile);
    if (!SameText(written, target))
        run.written = written;
    return run;
}

} // namespace velmora
