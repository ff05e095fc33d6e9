#pragma once
// The main window's controls and dialogs, as the click handlers read and
// fill them; built by Unit1 once at start-up and kept until the program ends.
#include "ui/LayerObject.h"

namespace velmora {

class Control;
class FileDialog;
class FolderDialog;

class MainWindow : public LayerObject {
public:
    Control* FormControl = nullptr;
    FileDialog* PdfFileDialog = nullptr;
    Control* PdfFileEdit = nullptr;
    Control* PdfFileLabel = nullptr;
    Control* ChoosePdfButton = nullptr;
    Control* TargetEdit = nullptr;
    Control* TargetLabel = nullptr;
    Control* ChooseTargetButton = nullptr;
    Control* CloseButton = nullptr;
    Control* EncryptionGroup = nullptr;
    Control* Encrypt40Radio = nullptr;
    Control* Encrypt128Radio = nullptr;
    Control* ActionPanel = nullptr;
    Control* RepairButton = nullptr;
    Control* BurstButton = nullptr;
    Control* CompressButton = nullptr;
    Control* UncompressButton = nullptr;
    Control* DumpButton = nullptr;
    Control* PermissionsGroup = nullptr;
    Control* PrintingCheck = nullptr;
    Control* DegradedPrintingCheck = nullptr;
    Control* ModifyContentsCheck = nullptr;
    Control* AssemblyCheck = nullptr;
    Control* CopyContentsCheck = nullptr;
    Control* ScreenReadersCheck = nullptr;
    Control* ModifyAnnotationsCheck = nullptr;
    Control* FillInCheck = nullptr;
    Control* AllFeaturesCheck = nullptr;
    Control* UserPasswordEdit = nullptr;
    Control* UserPasswordLabel = nullptr;
    Control* OwnerPasswordLabel = nullptr;
    Control* OwnerPasswordEdit = nullptr;
    Control* EncryptButton = nullptr;
    Control* AboutButton = nullptr;
    Control* ActionLabel = nullptr;
    Control* DecryptButton = nullptr;
    Control* CatButton = nullptr;
    Control* CatFromEdit = nullptr;
    Control* CatFromLabel = nullptr;
    Control* CatToLabel = nullptr;
    Control* CatToEdit = nullptr;
    Control* AllPagesRadio = nullptr;
    Control* EvenPagesRadio = nullptr;
    Control* OddPagesRadio = nullptr;
    Control* RemoveButton = nullptr;
    Control* JoinButton = nullptr;
    Control* MergeButton = nullptr;
    FileDialog* TargetFileDialog = nullptr;
    FolderDialog* FolderDialog = nullptr;
    Control* RotateButton = nullptr;
    Control* RotationCombo = nullptr;
};

} // namespace velmora
