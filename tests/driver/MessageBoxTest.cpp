// Message boxes of another process, read and answered as a person would.
#include "tests/driver/DialogHost.h"
#include <gtest/gtest.h>

using namespace velmora::driver;

TEST(MessageBoxes, ReadsTitleTextIconButtonsAndOwner)
{
    DialogHost host({"kind=message", "title=Description", "text=Line one\\nLine two", "flags=0x44"});
    MessageBoxInfo box = WaitForMessageBox(host.Id(), "Description");
    EXPECT_EQ(box.title, "Description");
    EXPECT_EQ(box.text, "Line one\r\nLine two");
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(TextOf(box.owner), "Dialog host");
    EXPECT_EQ(FocusedControl(box.window), GetDlgItem(box.window, IDYES));
    std::string tree = ControlTree(box.window);
    EXPECT_NE(tree.find("(Button) \"&No\" id 0x7 at "), std::string::npos) << tree;

    AnswerMessageBox(box, IDNO);
    EXPECT_FALSE(IsWindowVisible(box.window));
    EXPECT_EQ(host.Result()["return"], "7");
}

TEST(MessageBoxes, TellsTheIconApart)
{
    const std::pair<const char*, MessageIcon> cases[] = {
        {"0x10", MessageIcon::Error}, {"0x20", MessageIcon::Question}, {"0x30", MessageIcon::Warning},
        {"0x40", MessageIcon::Information}, {"0x0", MessageIcon::None},
    };
    for (const auto& [flags, icon] : cases) {
        DialogHost host({"kind=message", "title=Icon", "text=Text", std::string("flags=") + flags});
        MessageBoxInfo box = WaitForMessageBox(host.Id(), "Icon");
        EXPECT_EQ(box.icon, icon) << "flags " << flags << " gave " << IconName(box.icon);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        AnswerMessageBox(box, IDOK);
        EXPECT_EQ(host.Result()["return"], "1");
    }
}

TEST(MessageBoxes, KeysMoveTheFocusAndAnswer)
{
    DialogHost host({"kind=message", "title=Keys", "text=Save?", "flags=0x3"});   // Yes, No, Cancel
    MessageBoxInfo box = WaitForMessageBox(host.Id(), "Keys");
    ASSERT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    WaitForFocus(GetDlgItem(box.window, IDYES));
    PressTab(box.window);
    WaitForFocus(GetDlgItem(box.window, IDNO));
    PressShiftTab(box.window);
    WaitForFocus(GetDlgItem(box.window, IDYES));
    PressEscape(box.window);
    WaitUntilGone(box.window);
    EXPECT_EQ(host.Result()["return"], "2");

    DialogHost second({"kind=message", "title=Enter", "text=Go on?", "flags=0x101"});   // OK, Cancel; Cancel default
    box = WaitForMessageBox(second.Id(), "Enter");
    PressEnter(box.window);
    WaitUntilGone(box.window);
    EXPECT_EQ(second.Result()["return"], "2");
}

TEST(Windows, FindsTopWindowsByTitleAndClassAndNamesAMissingOne)
{
    DialogHost host({"kind=message", "title=Present", "text=Here"});
    HWND main = WaitForTopWindow(host.Id(), WindowMatch::Title("Dialog host").AndClass("DialogHostWindow"));
    HWND box = WaitForTopWindow(host.Id(), WindowMatch::Class("#32770"));
    EXPECT_EQ(FindTopWindow(host.Id(), WindowMatch::Title("Present")), box);
    EXPECT_EQ(FindTopWindow(host.Id(), WindowMatch::Title("Present").AndClass("DialogHostWindow")), nullptr);
    EXPECT_FALSE(IsWindowEnabled(main));
    try {
        WaitForMessageBox(host.Id(), "Absent", 300);
        FAIL() << "no error";
    } catch (const DriverError& error) {
        EXPECT_NE(std::string(error.what()).find("message box titled \"Absent\""), std::string::npos) << error.what();
    }
    EXPECT_THROW(ClickButton(main, IDOK), DriverError);

    // Wine answers the close box with IDCANCEL even when the box has only OK.
    PressCloseBox(box);
    WaitUntilGone(box);
    EXPECT_EQ(host.Result()["return"], "2");
}
