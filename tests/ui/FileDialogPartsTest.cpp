#include "ui/FileDialog.h"
#include "ui/FileDialogParts.h"
#include <commdlg.h>
#include <shlobj.h>
#include <gtest/gtest.h>

using namespace velmora;

namespace {
const DWORD AlwaysOn = OFN_EXPLORER | OFN_LONGNAMES | OFN_ENABLESIZING;

// All bytes of a literal with zeros inside, without the terminating zero.
template <size_t N>
std::string Bytes(const char (&literal)[N])
{
    return std::string(literal, N - 1);
}
}

TEST(FileDialogFlags, MapsEveryOptionBitToItsFlag)
{
    EXPECT_EQ(AlwaysOn, 0x00A80000u);
    EXPECT_EQ(FileDialogFlags(0), AlwaysOn);
    const DWORD expected[] = {0x2000, 0x400, 0x1000, 0x4, 0x8, 0x100000, 0x200,
                              0x20000, 0x8000, 0x2, 0x800, 0x1, 0x100};
    for (int bit = 0; bit < 13; ++bit)
        EXPECT_EQ(FileDialogFlags(static_cast<uint16_t>(1 << bit)), expected[bit] | AlwaysOn) << "bit " << bit;
    // Bits without an option ask for nothing.
    EXPECT_EQ(FileDialogFlags(0xE000), AlwaysOn);
}

TEST(FileDialogFlags, TheProgramsOptionSets)
{
    EXPECT_EQ(FileDialogFlags(0x060C),
              AlwaysOn | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    EXPECT_EQ(FileDialogFlags(0x0608), AlwaysOn | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    EXPECT_EQ(FileDialogFlags(0x064C), FileDialogFlags(0x060C) | OFN_ALLOWMULTISELECT);
}

TEST(FileDialogFlags, AnEmptyOptionSetStandsForTheDefault)
{
    EXPECT_EQ(EffectiveFileOptions(0), 0x060C);
    EXPECT_EQ(EffectiveFileOptions(0x0608), 0x0608);
    EXPECT_EQ(EffectiveFolderOptions(0), FolderReturnOnlyFsDirs);
    EXPECT_EQ(EffectiveFolderOptions(FolderEditBox), FolderEditBox);
}

TEST(FolderDialogFlags, MapsEveryOptionBitToItsFlag)
{
    const UINT expected[] = {0x1000, 0x2000, 0x2, 0x8, 0x1, 0x4, 0x4000, 0x10, 0x40};
    for (int bit = 0; bit < 9; ++bit)
        EXPECT_EQ(FolderDialogFlags(static_cast<uint16_t>(1 << bit)), expected[bit]) << "bit " << bit;
    EXPECT_EQ(FolderDialogFlags(EffectiveFolderOptions(0)), static_cast<UINT>(BIF_RETURNONLYFSDIRS));
    EXPECT_EQ(FolderDialogFlags(0xFE00), 0u);
}

TEST(FilterForSystem, SeparatesThePiecesWithZerosAndEndsWithTwo)
{
    EXPECT_EQ(FilterForSystem("PDF *.pdf|*.pdf|All files|*.*"),
              Bytes("PDF *.pdf\0*.pdf\0All files\0*.*\0\0"));
    EXPECT_EQ(FilterForSystem(""), "");
    // A leading bar is kept as text: the system would otherwise read an empty list.
    EXPECT_EQ(FilterForSystem("|x|*.x"), Bytes("|x\0*.x\0\0"));
    EXPECT_EQ(FilterForSystem("Text|*.txt|"), Bytes("Text\0*.txt\0\0\0"));
}

TEST(DefaultExtensionForSystem, DropsTheLeadingDot)
{
    EXPECT_EQ(DefaultExtensionForSystem(".pdf"), "pdf");
    EXPECT_EQ(DefaultExtensionForSystem("pdf"), "pdf");
    EXPECT_EQ(DefaultExtensionForSystem(""), "");
    EXPECT_EQ(DefaultExtensionForSystem("."), "");
    EXPECT_EQ(DefaultExtensionForSystem(".tar.gz"), "tar.gz");
}

TEST(FileBuffer, SizeDependsOnMultipleSelectionAndTheNameIsCut)
{
    EXPECT_EQ(FileBufferSize(false), 262u);
    EXPECT_EQ(FileBufferSize(true), 65520u);

    std::vector<char> buffer = FileBuffer("C:\\docs\\a.pdf", false);
    ASSERT_EQ(buffer.size(), 262u);
    EXPECT_STREQ(buffer.data(), "C:\\docs\\a.pdf");

    std::string tooLong(300, 'n');
    buffer = FileBuffer(tooLong, false);
    ASSERT_EQ(buffer.size(), 262u);
    EXPECT_EQ(std::string(buffer.data()), std::string(261, 'n'));
    EXPECT_EQ(buffer.back(), '\0');

    buffer = FileBuffer(tooLong, true);
    EXPECT_EQ(std::string(buffer.data()), tooLong);
}

TEST(SelectionFromBuffer, JoinsSeveralNamesWithCarriageReturns)
{
    const char several[] = "C:\\docs\0a.pdf\0b.pdf\0\0stale";
    EXPECT_EQ(SelectionFromBuffer(several, sizeof several, true, 8), "C:\\docs\ra.pdf\rb.pdf");

    const char fromRoot[] = "C:\\\0a.pdf\0b.pdf\0\0";
    EXPECT_EQ(SelectionFromBuffer(fromRoot, sizeof fromRoot, true, 4), "C:\\\ra.pdf\rb.pdf");
}

TEST(SelectionFromBuffer, KeepsASingleFullPath)
{
    const char single[] = "C:\\docs\\a.pdf\0";
    EXPECT_EQ(SelectionFromBuffer(single, sizeof single, false, 8), "C:\\docs\\a.pdf");
    EXPECT_EQ(SelectionFromBuffer(single, sizeof single, true, 8), "C:\\docs\\a.pdf");

    // What a longer proposed name leaves behind the chosen path is no second name.
    const char overLonger[] = "C:\\docs\\a.pdf\0ame.pdf\0";
    EXPECT_EQ(SelectionFromBuffer(overLonger, sizeof overLonger, true, 8), "C:\\docs\\a.pdf");
}

TEST(SelectionFromBuffer, NeverReadsBeyondTheBuffer)
{
    const char unterminated[] = {'C', ':', '\\', 'd', '\0', 'a', '.', 'p'};
    EXPECT_EQ(SelectionFromBuffer(unterminated, sizeof unterminated, true, 5), "C:\\d\ra.p");
    EXPECT_EQ(SelectionFromBuffer(unterminated, 4, false, 0), "C:\\d");
    EXPECT_EQ(SelectionFromBuffer(unterminated, sizeof unterminated, true, 200), "C:\\d");
}

// The wide dialogs answer in the same forms; the ANSI text beside the answer
// shows '?' where the code page lacks a letter, never a look-alike.
TEST(SelectionFromBuffer, WideAnswersKeepTheirFormsAndTheirAnsiTextHidesNoLookAlike)
{
    const wchar_t several[] = L"C:\\\u65E5\0a.pdf\0\u00E9.pdf\0\0";
    const WideText selection = SelectionFromBuffer(several, sizeof several / sizeof *several, true, 5);
    EXPECT_EQ(std::wstring(selection.data()), L"C:\\\u65E5\ra.pdf\r\u00E9.pdf");
    EXPECT_EQ(ShownAnsi(selection), "C:\\?\ra.pdf\r\xE9.pdf");
    EXPECT_EQ(ShownAnsi(WideFromAnsi("\xE9t\xE9.pdf")), "\xE9t\xE9.pdf");
    const wchar_t macron[] = L"\u0101.pdf";
    EXPECT_EQ(ShownAnsi(WideText(macron, macron + sizeof macron / sizeof *macron)), "?.pdf");

    // The answer is proposed again while the program leaves the ANSI name alone.
    FileDialog dialog;
    ProposeFile(&dialog, L"C:\\\u65E5.pdf");
    EXPECT_EQ(dialog.fileName, "C:\\?.pdf");
    EXPECT_EQ(std::wstring(ProposedName(dialog).data()), L"C:\\\u65E5.pdf");
    dialog.fileName = "C:\\other.pdf";
    EXPECT_EQ(std::wstring(ProposedName(dialog).data()), L"C:\\other.pdf");
    EXPECT_EQ(std::wstring(FileBuffer(ProposedName(dialog), false).data()), L"C:\\other.pdf");
}

TEST(FileDialogErrors, NameTheProblem)
{
    EXPECT_NE(FileDialogErrorText(FNERR_BUFFERTOOSMALL).find("Too many files"), std::string::npos);
    EXPECT_NE(FileDialogErrorText(FNERR_INVALIDFILENAME).find("not valid"), std::string::npos);
    EXPECT_NE(FileDialogErrorText(0x1234).find("0x1234"), std::string::npos);
}
