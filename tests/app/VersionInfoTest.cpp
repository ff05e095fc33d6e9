// What Explorer's Properties > Details shows of the program, read back from
// both builds as the system reads it.
#include "tools/driver/Driver.h"
#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

using namespace velmora::driver;

namespace {

class VersionInfo {
public:
    explicit VersionInfo(const std::string& exe)
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
        data_.resize(size);
        loaded_ = size != 0 && GetFileVersionInfoA(exe.c_str(), 0, size, data_.data());
    }
    bool Loaded() const { return loaded_; }

    std::string Text(const std::string& name)
    {
        const std::string key = "\\StringFileInfo\\040904B0\\" + name;
        char* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0)
            return "(missing)";
        return std::string(value, length - 1);
    }

    VS_FIXEDFILEINFO Fixed()
    {
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        VS_FIXEDFILEINFO none{};
        if (!VerQueryValueA(data_.data(), "\\", reinterpret_cast<void**>(&fixed), &length))
            return none;
        return *fixed;
    }

private:
    std::vector<char> data_;
    bool loaded_ = false;
};

void ExpectVersionDetails(const std::string& exe)
{
    VersionInfo info(exe);
    ASSERT_TRUE(info.Loaded()) << exe;
    EXPECT_EQ(info.Text("FileVersion"), "0.49");
    EXPECT_EQ(info.Text("ProductVersion"), "0.49");
    EXPECT_EQ(info.Text("ProductName"), "Velmora");
    EXPECT_EQ(info.Text("OriginalFilename"), "velmora.exe");
    EXPECT_EQ(info.Text("CompanyName"), "Orvandel Freeware");
    EXPECT_NE(info.Text("FileDescription").find("pdftk"), std::string::npos);
    EXPECT_NE(info.Text("LegalCopyright").find("Orvandel Freeware"), std::string::npos);
    const VS_FIXEDFILEINFO fixed = info.Fixed();
    EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(49, 0));
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
}

} // namespace

TEST(VersionDetails, TestedBuild)
{
    ExpectVersionDetails(BinPath("app/velmora.exe"));
}

TEST(VersionDetails, ShippedBuild)
{
    ExpectVersionDetails(WindowsPath(VELMORA_SHIP_EXE));
}
