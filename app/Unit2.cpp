#include "app/Unit2.h"
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/Control.h"
#include "ui/ControlKinds.h"
#include "ui/Fonts.h"
#include "ui/ModalForms.h"

namespace velmora {

namespace {

constexpr uint16_t MemoOptions = EditMultiLine;   // both scroll bars, editable
constexpr char kOkCaption[] = "OK";
constexpr char kCancelCaption[] = "Cancel";

OutputWindow* TheOutputWindow = nullptr;

void BuildOutputWindow(OutputWindow*& window, Control* parent)
{
    window = CreateObject<OutputWindow>();
    Control* form = CreateForm(parent, "Output")->PlaceAt(279, 222)->ResizeClientArea(519, 330);
    // Its layout is fixed: maximized, its text would stay small in a corner.
    form->SetStyle(form->GetStyle() & ~WS_MAXIMIZEBOX);
    window->FormControl = form;
    AddToFreeList(form, window);

    form->SetVisible(false);
    form->GetFont()->SetFontField(FontHeightField, 10);
    form->SetCloseHandler(&EndOutputOnClose, window);

    window->OutputMemo = CreateEditBox(form, MemoOptions)->PlaceAt(8, 0)->ResizeTo(505, 273);
    window->OkButton = CreateButton(form, kOkCaption)->PlaceAt(216, 288);
    window->OutputMemo->SetColor(SystemColor(COLOR_WINDOW));
    window->OkButton->SetClickHandler(&EndOutputWithOk, window);
    window->OutputMemo->SetKeyDownHandler(&CancelOutputOnEscape, window);
    window->OkButton->SetKeyDownHandler(&CancelOutputOnEscape, window);
}

} // namespace

OutputWindow* GetOutputWindow()
{
    if (!TheOutputWindow)
        BuildOutputWindow(TheOutputWindow, AppMainForm);
    return TheOutputWindow;
}

void ShowOutputText(OutputWindow* window, const std::string& text)
{
    window->OutputMemo->SetText(text);
    ShowAsModal(window->FormControl);
    window->FormControl->SetVisible(false);
}

void BeginLiveOutput(OutputWindow* window)
{
    window->RunInProgress = true;
    window->FormControl->SetModalResult(0);
    window->OutputMemo->SetText("");
    // Appending is held to the typing limit, which would cut a long report.
    window->OutputMemo->SetTextLimit(0);
    window->OkButton->SetText(kCancelCaption);
}

void AppendOutputText(OutputWindow* window, const std::string& text)
{
    window->OutputMemo->AppendText(text);
}

void EndLiveOutput(OutputWindow* window)
{
    window->RunInProgress = false;
    window->OkButton->SetText(kOkCaption);
}

void EndOutputWithOk(OutputWindow* window, Control*)
{
    window->FormControl->SetModalResult(1);
}

// During a modal wait the modal close filter answers the close box first;
// this keeps the same answer should the window ever be closed outside one.
void EndOutputOnClose(OutputWindow* window, Control*, bool*)
{
    window->FormControl->SetModalResult(-1);
}

void CancelOutputOnEscape(OutputWindow* window, Control*, uint32_t* key, uint32_t)
{
    if (*key == VK_ESCAPE && window->RunInProgress)
        window->FormControl->SetModalResult(-1);
}

} // namespace velmora
