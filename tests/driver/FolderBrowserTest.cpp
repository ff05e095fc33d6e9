// The system's folder browser, answered through the driver.
#include "tests/driver/DialogHost.h"
#include <gtest/gtest.h>

using namespace velmora::driver;

TEST(FolderBrowser, SelectsAFolderAndGivesItsPath)
{
    DialogHost host({"kind=folder", "title=Choose the folder where are the PDF's"}, FolderName::NonAscii);
    std::string folder = host.Folder().MakeFolder("PDF files");
    HWND browser = WaitForFolderBrowser(host.Id());
    EXPECT_EQ(TextOf(browser), "Browse for Folder");
    EXPECT_EQ(FolderBrowserText(browser), "Choose the folder where are the PDF's");

    SelectFolder(browser, folder);
    EXPECT_EQ(SelectedFolderName(browser), "PDF files");
    ClickButton(browser, IDOK);
    auto result = host.Result();
    EXPECT_EQ(result["return"], "1");
    EXPECT_EQ(result["path"], folder);
    // Wine fills the display-name buffer with the whole path.
    EXPECT_EQ(result["display"], folder);
}

TEST(FolderBrowser, CancelChoosesNothing)
{
    DialogHost host({"kind=folder"});
    HWND browser = WaitForFolderBrowser(host.Id());
    EXPECT_EQ(FolderBrowserText(browser), "");
    SelectFolder(browser, host.Folder().Path());
    ClickButton(browser, IDCANCEL);
    auto result = host.Result();
    EXPECT_EQ(result["return"], "0");
    EXPECT_EQ(result["path"], "");

    DialogHost closed({"kind=folder"});
    browser = WaitForFolderBrowser(closed.Id());
    PressCloseBox(browser);
    EXPECT_EQ(closed.Result()["return"], "0");
}
