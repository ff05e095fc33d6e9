#pragma once
// A fresh folder under the temporary folder, removed with everything in it.
// Its name has a blank and an apostrophe, which the bridge must carry
// through Windows quoting and the shell alike.
#include <string>
#include <windows.h>

namespace velmora::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With a trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

bool WriteTextFile(const std::string& path, const std::string& text);

} // namespace velmora::test
