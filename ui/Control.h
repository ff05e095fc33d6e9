#pragma once
// A Control is one window of the program or one child control in it. It owns
// its window, which is created lazily: the object is complete without one and
// remembers style, bounds, text, colours and font until something needs a
// handle. Operations return the control so that calls chain after creation:
//     CreateButton(panel, "Burst a PDF")->PlaceAt(111, 7)->SetAutoSize(true);
// A form owns its children: they sit in its free list and are released, in
// creation order, before the form's own window is destroyed.
#include "ui/Events.h"
#include "ui/LayerObject.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

class FontRecord;
class PaintContext;
struct KindMessageTable;

// Private messages of the layer.
constexpr UINT ReflectedCommand = 0xB005;           // WM_COMMAND, sent on to the child it concerns
constexpr UINT ReflectedColorOffset = 0xBC00;       // WM_CTLCOLOR* + this, sent on to the child
constexpr UINT ReflectedColorFirst = WM_CTLCOLORMSGBOX + ReflectedColorOffset;   // 0xBD32
constexpr UINT ReflectedColorLast = WM_CTLCOLORSTATIC + ReflectedColorOffset;    // 0xBD38
constexpr WORD DeferredSelectionChange = 15;        // notification code posted by a combo box

// Which size limit SetSizeLimit sets.
enum SizeLimit { MinWidthLimit = 0, MinHeightLimit = 1, MaxWidthLimit = 2, MaxHeightLimit = 3 };

// Panel edges.
enum PanelEdge { RaisedEdge = 0, SunkenEdge = 1, NoEdge = 2 };

class Control : public LayerObject {
public:
    // ---- window ----
    // The handle, creating the window (and its parents' windows) first. A
    // window created here starts hidden and is shown by the next MakeWindow,
    // unless visibility was set explicitly. 0 when creation failed.
    HWND GetHandle();
    // The handle if the window exists; never creates it.
    HWND Window() const { return window_; }
    bool HasWindow() const { return window_ != nullptr; }
    // Creates the window if missing (with its stored visibility), then the
    // children's windows, and shows what GetHandle left hidden.
    virtual bool MakeWindow();
    LRESULT SendToControl(UINT message, WPARAM wParam, LPARAM lParam);
    // Posts WM_CLOSE.
    void CloseWindow();

    // ---- structure ----
    Control* Parent() const { return parent_; }
    // The nearest form at or above this control.
    Control* Form();
    const std::vector<Control*>& Children() const { return children_; }
    bool IsForm() const { return isForm_; }
    bool IsChild() const { return isChild_; }
    UINT Id() const { return id_; }
    const std::string& KindClassName() const { return className_; }
    // For a form: the control that has or will get the keyboard focus.
    Control* FocusedChild() const { return focusedChild_; }

    // ---- geometry (a child: parent client coordinates; a form: screen) ----
    int GetLeft();
    int GetTop();
    int GetWidth();
    int GetHeight();
    RECT GetBounds();
    Control* SetLeft(int left);
    Control* SetTop(int top);
    Control* SetWidth(int width);
    Control* SetHeight(int height);
    Control* SetBounds(const RECT& bounds);
    Control* PlaceAt(int left, int top);
    // A 0 leaves that dimension as it is.
    Control* ResizeTo(int width, int height);
    Control* SetClientWidth(int width);
    Control* SetClientHeight(int height);
    // Values of 0 or less leave that dimension as it is.
    Control* ResizeClientArea(int width, int height);
    // The client rectangle shrunk by the extra margins.
    RECT GetClientArea();
    // A form on the screen, a child in its parent's client area.
    Control* CenterWindow();
    Control* SetSizeLimit(SizeLimit which, int16_t value);
    // Off: the window keeps its current size (no border drag, Size greyed).
    Control* SetResizable(bool on);
    // On: the control takes the size of its text plus its kind's allowance,
    // now and after every text or font change.
    Control* SetAutoSize(bool on);

    // ---- text and state ----
    Control* SetText(const std::string& text);
    std::string GetText();
    Control* SetVisible(bool on);
    bool IsVisible();
    Control* SetEnabled(bool on);
    bool IsEnabled();
    DWORD GetStyle() const { return style_; }
    Control* SetStyle(DWORD style);
    DWORD GetExStyle() const { return exStyle_; }
    Control* SetExStyle(DWORD exStyle);
    Control* SetBorder(bool on);
    Control* SetTabStop(bool on);
    int GetTabIndex() const { return tabPosition_; }
    // Moves every focusable control of the form at or after position up by one.
    Control* SetTabIndex(int16_t position);
    // Gives the control the keyboard focus (tab-stop controls only) and makes
    // it its form's focused child; a form is brought to the foreground.
    Control* Focus();

    // ---- colours and fonts (colours: COLORREF, or 0x800000nn = system colour nn) ----
    Control* SetColor(uint32_t color);
    uint32_t GetColor() const { return backColor_; }
    Control* SetTextColor(uint32_t color);
    uint32_t GetTextColor() const { return textColor_; }
    // The control's font record, made on first use; changes to it reach the
    // window at once.
    FontRecord* GetFont();
    // The brush the control paints its background with (shared with the
    // ancestors of the same colour).
    HBRUSH GetBackgroundBrush();
    PaintContext* GetPaintContext();

    // ---- icons ----
    Control* SetIcon(HICON icon);
    Control* SetIconFromResource(HINSTANCE instance, const char* name);
    HICON GetIcon() const { return icon_; }

    // ---- buttons, lists and edit boxes ----
    bool IsChecked();
    // Checks a radio button within its group and raises its click event,
    // without moving the focus.
    Control* CheckRadio();
    Control* SetItemText(int index, const std::string& text);
    int GetItemIndex();
    Control* SetItemIndex(int index);
    int GetItemCount();
    Control* ClearItems();
    Control* SetTextLimit(int limit);
    Control* SelectAllText();

    // ---- events ----
    Control* SetClickHandler(EventRef handler);
    template <class C> Control* SetClickHandler(void (*handler)(C*, Control*), C* context)
    {
        return SetClickHandler(MakeEventRef(context, handler));
    }
    // WM_CLOSE asks the handler first; while the loop runs it may refuse.
    Control* SetCloseHandler(CloseEventRef handler);
    template <class C> Control* SetCloseHandler(void (*handler)(C*, Control*, bool*), C* context)
    {
        return SetCloseHandler(MakeEventRef(context, handler));
    }
    Control* SetKeyDownHandler(KeyEventRef handler);
    template <class C> Control* SetKeyDownHandler(void (*handler)(C*, Control*, uint32_t*, uint32_t), C* context)
    {
        return SetKeyDownHandler(MakeEventRef(context, handler));
    }
    Control* SetKeyUpHandler(KeyEventRef handler);
    Control* SetCharacterHandler(KeyEventRef handler);
    Control* SetChangeHandler(EventRef handler);
    Control* SetGotFocusHandler(EventRef handler);
    Control* SetLostFocusHandler(EventRef handler);
    Control* SetFocusMovedAwayHandler(EventRef handler);
    Control* SetSelectionChangedHandler(EventRef handler);
    Control* SetListDroppedDownHandler(EventRef handler);
    Control* SetListClosedUpHandler(EventRef handler);
    Control* SetPreview(PreviewRef preview);
    const EventBlock& Events() const { return *events_; }

    // ---- keyboard ----
    // Tab and Shift+Tab move the focus through the form's tab sequence.
    // Children created afterwards (and forms created on this form) inherit it.
    Control* EnableKeyboardNavigation();
    // key 13: the default button for Enter; key 27: the cancel button for
    // Escape. Acts only while AppMainForm is set.
    Control* SetDialogKeyButton(int key, bool on);

    // ---- message filters (newest runs first; a routine is added once) ----
    Control* AddMessageFilter(MessageFilterRoutine routine, void* data = nullptr);
    Control* RemoveMessageFilter(MessageFilterRoutine routine);
    bool HasMessageFilter(MessageFilterRoutine routine) const;

    // ---- modal display ----
    int GetModalResult() const { return modalResult_; }
    Control* SetModalResult(int result) { modalResult_ = result; return this; }
    Control* ModalForm() const { return modalForm_; }
    int ModalLevel() const { return modalLevel_; }
    int DisableCount() const { return disableCount_; }
    // A word of the application's own (a result code, say).
    intptr_t GetTag() const { return tag_; }
    Control* SetTag(intptr_t tag) { tag_ = tag; return this; }

    // One message of the control's window: previews, filters, the layer's
    // own handling, then the Win32 class procedure.
    virtual LRESULT HandleMessage(MessageRecord& message);
    // The Win32 class procedure (or DefWindowProcA for forms).
    LRESULT DefaultProcessing(const MessageRecord& message);

protected:
    Control();
    ~Control() override;
    void Destroy() override;

    // Kind hooks.
    virtual void KindClick() {}
    virtual void AfterWindowCreated() {}

private:
    friend class ControlBuilder;
    friend class FontRecord;
    friend class PaintContext;
    friend struct ControlAccess;

    // The pieces of the implementation live in several files; they reach the
    // record through ControlAccess.
    HWND window_ = nullptr;
    UINT classStyle_ = CS_OWNDC;
    DWORD style_ = 0x16CF0000;
    DWORD exStyle_ = WS_EX_CONTROLPARENT;
    WNDPROC previousProc_ = nullptr;
    Control* parent_ = nullptr;

    bool isButtonKind_ = false;
    bool takesEnter_ = false;
    bool isDefaultButton_ = false;
    bool isCancelButton_ = false;
    uint8_t textAlignment_ = 0;
    uint8_t navigationKeyMask_ = 0;
    int16_t tabPosition_ = 0;
    int16_t tabCounter_ = 0;             // forms: positions handed out so far

    struct FilterEntry { MessageFilterRoutine routine; void* data; };
    std::vector<FilterEntry> filters_;
    std::vector<Control*> children_;
    HBRUSH brush_ = nullptr;
    const KindMessageTable* kindMessages_ = nullptr;
    const EventBlock* events_;
    std::unique_ptr<EventBlock> ownEvents_;
    bool keyboardFilter_ = false;
    bool (*navigate_)(Control* control, UINT key, bool released) = nullptr;

    UINT id_ = 0;
    uint32_t textColor_ = 0x80000008;
    uint32_t backColor_ = 0x8000000F;
    FontRecord* font_ = nullptr;
    int8_t margin_ = 2;
    int8_t extraTop_ = 0, extraBottom_ = 0, extraLeft_ = 0, extraRight_ = 0;
    uint8_t threeD_ = 3;
    RECT bounds_ = {0, 0, 0, 0};
    std::unique_ptr<PaintContext> paintContext_;
    int selectionIndex_ = 0;
    int16_t maxWidth_ = 0, minWidth_ = 0, maxHeight_ = 0, minHeight_ = 0;
    std::string text_;
    std::string className_;
    int modalResult_ = 0;
    Control* modalForm_ = nullptr;
    Control* focusedChild_ = nullptr;
    HICON icon_ = nullptr;
    uint8_t disableCount_ = 0;
    uint8_t modalLevel_ = 0;
    uint8_t focusGuard_ = 0;
    uint8_t fitWidth_ = 0, fitHeight_ = 0;
    int comboIndexAtDropDown_ = -1;
    intptr_t tag_ = 0;

    // flags
    bool autoSize_ = false;
    bool fixedSize_ = false;
    bool iconShared_ = false;
    bool textNotReadBack_ = false;
    bool repaintOnMove_ = false;
    bool noRepaintOnText_ = false;
    bool transparent_ = false;
    bool destroyed_ = false;
    bool windowDestroyed_ = false;
    bool positionSet_ = false;
    bool isForm_ = false;
    bool isChild_ = false;
    bool showPending_ = false;
    bool visibilitySet_ = false;
};

// A window of a layer class that has a control bound to it, or nil.
Control* ControlFromWindow(HWND window);

} // namespace velmora
