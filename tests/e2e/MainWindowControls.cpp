#include "tests/e2e/MainWindowControls.h"
#include "tools/driver/Controls.h"
#include "tools/driver/Wait.h"

namespace velmora::e2e {

namespace {

constexpr int FirstControlId = 0x8000;

} // namespace

const std::vector<ControlRow>& MainWindowControls()
{
    using K = Kind;
    static const std::vector<ControlRow> rows = {
        {"PdfFileLabel", K::Label, "PDF file", "form", 16, 24, Fitted, Fitted},
        {"TargetLabel", K::Label, "Target", "form", 16, 56, Fitted, Fitted},
        {"UserPasswordLabel", K::Label, "User password", "form", 400, 80, Fitted, Fitted},
        {"OwnerPasswordLabel", K::Label, "Owner password", "form", 403, 124, Fitted, Fitted},
        {"ActionLabel", K::Label, "Action", "form", 8, 280, Fitted, Fitted},
        {"CatFromLabel", K::Label, "CAT from:", "form", 8, 371, Fitted, Fitted},
        {"CatToLabel", K::Label, "Cat to:", "form", 128, 372, Fitted, Fitted},
        {"PdfFileEdit", K::EditBox, "", "form", 60, 21, 305, 22},
        {"ChoosePdfButton", K::PushButton, "...", "form", 368, 24, Fitted, Fitted},
        {"TargetEdit", K::EditBox, "", "form", 62, 53, 297, 22},
        {"ChooseTargetButton", K::PushButton, "...", "form", 368, 56, Fitted, Fitted},
        {"CloseButton", K::PushButton, "Close", "form", 448, 8, 64, 22},
        {"EncryptionGroup", K::GroupBox, "Encryption", "form", 8, 88, 81, 81},
        {"Encrypt40Radio", K::RadioButton, "40 bit", "EncryptionGroup", 8, 24, 57, 22},
        {"Encrypt128Radio", K::RadioButton, "128 bit", "EncryptionGroup", 8, 47, 57, 22},
        {"PermissionsGroup", K::GroupBox, "permissions", "form", 96, 88, 297, 186},
        {"PrintingCheck", K::CheckBox, "Printing - Top Quality Printing ", "PermissionsGroup", 8, 16, Fitted, Fitted},
        {"DegradedPrintingCheck", K::CheckBox, "DegradedPrinting - Lower Quality Printing ", "PermissionsGroup", 8, 34,
         Fitted, Fitted},
        {"ModifyContentsCheck", K::CheckBox, "ModifyContents", "PermissionsGroup", 8, 52, Fitted, Fitted},
        {"AssemblyCheck", K::CheckBox, "Assembly", "PermissionsGroup", 8, 72, Fitted, Fitted},
        {"CopyContentsCheck", K::CheckBox, "CopyContents", "PermissionsGroup", 8, 90, Fitted, Fitted},
        {"ScreenReadersCheck", K::CheckBox, "ScreenReaders", "PermissionsGroup", 8, 107, Fitted, Fitted},
        {"ModifyAnnotationsCheck", K::CheckBox, "ModifyAnnotations", "PermissionsGroup", 8, 124, Fitted, Fitted},
        {"FillInCheck", K::CheckBox, "FillIn", "PermissionsGroup", 8, 142, Fitted, Fitted},
        {"AllFeaturesCheck", K::CheckBox, "AllFeatures - Allows the user to perform all of the above",
         "PermissionsGroup", 8, 161, Fitted, Fitted},
        {"UserPasswordEdit", K::EditBox, "", "form", 400, 96, 100, 22},
        {"ActionPanel", K::Panel, "", "form", 16, 298, 529, 65},
        {"BurstButton", K::PushButton, "Burst a PDF", "ActionPanel", 111, 7, Fitted, Fitted},
        {"CompressButton", K::PushButton, "Re-Compress a PDF only", "ActionPanel", 199, 7, Fitted, Fitted},
        {"UncompressButton", K::PushButton, "Uncompress a PDF only", "ActionPanel", 343, 6, Fitted, Fitted},
        {"DumpButton", K::PushButton, "Dump a PDF", "ActionPanel", 7, 34, Fitted, Fitted},
        {"CatButton", K::PushButton, "CAT", "ActionPanel", 107, 34, 35, 17},
        {"RemoveButton", K::PushButton, "Remove", "ActionPanel", 159, 34, Fitted, Fitted},
        {"RepairButton", K::PushButton, "Repair a PDF", "ActionPanel", 7, 7, Fitted, Fitted},
        {"JoinButton", K::PushButton, "Join", "ActionPanel", 230, 34, Fitted, Fitted},
        {"MergeButton", K::PushButton, "Merge", "ActionPanel", 277, 34, Fitted, Fitted},
        {"RotateButton", K::PushButton, "Rotate all", "ActionPanel", 335, 31, 64, 22},
        {"OwnerPasswordEdit", K::EditBox, "", "form", 402, 140, 100, 22},
        {"EncryptButton", K::PushButton, "Enrypt the PDF file", "form", 408, 176, Fitted, Fitted},
        {"AboutButton", K::PushButton, "About", "form", 464, 376, 64, 25},
        {"DecryptButton", K::PushButton, "Decrypt the PDF file", "form", 408, 208, Fitted, Fitted},
        {"CatFromEdit", K::EditBox, "1", "form", 58, 368, 65, 22},
        {"CatToEdit", K::EditBox, "", "form", 160, 368, 65, 22},
        {"AllPagesRadio", K::RadioButton, "all", "form", 8, 392, 41, 22},
        {"EvenPagesRadio", K::RadioButton, "even", "form", 61, 394, Fitted, Fitted},
        {"OddPagesRadio", K::RadioButton, "odd", "form", 113, 393, 72, 22},
        {"RotationCombo", K::ComboBox, nullptr, "form", 352, 376, 100, 22},
    };
    return rows;
}

const ControlRow& RowOf(const std::string& field)
{
    for (const ControlRow& row : MainWindowControls())
        if (field == row.field)
            return row;
    throw driver::DriverError("the main window has no field " + field);
}

std::string ClassOfKind(Kind kind)
{
    switch (kind) {
    case Kind::Label:
    case Kind::Panel:
        return "obj_STATIC";
    case Kind::GroupBox:
    case Kind::PushButton:
    case Kind::CheckBox:
    case Kind::RadioButton:
        return "obj_BUTTON";
    case Kind::EditBox:
        return "obj_EDIT";
    case Kind::ComboBox:
        return "obj_COMBOBOX";
    }
    return "";
}

SIZE FitAllowance(Kind kind)
{
    switch (kind) {
    case Kind::Label:
        return {1, 1};
    case Kind::PushButton:
        return {14, 6};
    case Kind::CheckBox:
    case Kind::RadioButton:
        return {24, 6};
    default:
        return {0, 0};
    }
}

HWND FieldWindow(HWND main, const std::string& field)
{
    const auto& rows = MainWindowControls();
    for (size_t i = 0; i < rows.size(); ++i)
        if (field == rows[i].field)
            return driver::WaitForControl(main, driver::ControlMatch::Id(FirstControlId + static_cast<int>(i)));
    throw driver::DriverError("the main window has no field " + field);
}

std::vector<std::string> PermissionFields()
{
    return {"PrintingCheck", "DegradedPrintingCheck", "ModifyContentsCheck", "AssemblyCheck", "CopyContentsCheck",
            "ScreenReadersCheck", "ModifyAnnotationsCheck", "FillInCheck", "AllFeaturesCheck"};
}

} // namespace velmora::e2e
