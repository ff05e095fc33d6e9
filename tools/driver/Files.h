#pragma once
// Files and folders for a test: fresh temporary folders, the build tree's
// programs as Windows paths, whole-file reads and writes.
#include <string>

namespace velmora::driver {

// A Unix path as Wine shows it ("/x/y" is "Z:\x\y"); a Windows path stays.
std::string WindowsPath(const std::string& path);

// A file of the build tree, named relative to it ("driver/dialog_host.exe"),
// as a Windows path. The tree is the VELMORA_BIN environment variable.
std::string BinPath(const std::string& relative);

// The velmora.exe the tests drive, as a Windows path: the file named by the
// VELMORA_PROGRAM environment variable (the shipped 32-bit build) when set,
// otherwise the build tree's own.
std::string VelmoraProgram();

// folder "\" name, with exactly one backslash between them.
std::string JoinPath(const std::string& folder, const std::string& name);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// Whole files, byte for byte. Failures throw DriverError.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Copies file into folder under its own name or newName; gives the new path.
std::string CopyInto(const std::string& file, const std::string& folder, const std::string& newName = "");

// Removes a folder with everything in it; false when something stayed.
bool RemoveTree(const std::string& path);

// How a temporary folder's name tests the program's path handling.
enum class FolderName {
    Plain,        // letters, digits and '-' only
    WithBlank,    // a blank inside the name
    NonAscii,     // letters of the ANSI code page beyond ASCII, and a blank
};

// A fresh folder under the Windows temp folder, removed with everything in
// it when the object goes.
class TempFolder {
public:
    explicit TempFolder(FolderName kind = FolderName::Plain);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Without a trailing backslash.
    const std::string& Path() const { return path_; }
    // The path of name inside the folder.
    std::string File(const std::string& name) const { return JoinPath(path_, name); }
    // Makes a subfolder; gives its path.
    std::string MakeFolder(const std::string& name) const;

private:
    std::string path_;
};

} // namespace velmora::driver
