#pragma once
// Runs the dialog host with the given arguments and reads what it wrote.
#include "tools/driver/Driver.h"
#include <map>
#include <memory>
#include <string>
#include <vector>

class DialogHost {
public:
    // arguments: "key=value" items besides result=.
    explicit DialogHost(const std::vector<std::string>& arguments,
                        velmora::driver::FolderName folderKind = velmora::driver::FolderName::Plain);

    velmora::driver::TempFolder& Folder() { return folder_; }
    DWORD Id() const { return process_->Id(); }
    // Waits for the host to end and gives its result lines as key -> value.
    std::map<std::string, std::string> Result();

private:
    velmora::driver::TempFolder folder_;
    std::string resultPath_;
    std::unique_ptr<velmora::driver::Process> process_;
};
