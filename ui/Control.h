#pragma once
// A Control is one window of the program or one child control in it. It owns
// its window, which is created lazily: the object is complete without one and
// remembers style, bounds, text, colours and font until something needs a
// handle. Operations return the control so that calls chain after creation:
//     CreateButton(panel, "Burst a PDF")->PlaceAt(111, 7)->SetAutoSize(true);
// A form owns its children: they sit in its free list and are released, in
// creation order, before the form's own window is destroyed.
#include "ui/Colors.h"
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
constexpr UINT ReflectedDragList = 0xB006;          // a drag list's notification, sent on to the list

// Which size limit SetSizeLimit sets.
enum SizeLimit { MinWidthLimit = 0, MinHeightLimit = 1, MaxWidthLimit = 2, MaxHeightLimit = 3 };

// Panel edges.
enum PanelEdge { RaisedEdge = 0, SunkenEdge = 1, NoEdge = 2 };

// The state of a control, kept whether or not its window exists. The
// implementation files of the layer reach it through ControlAccess.
struct ControlRecord {
    HWND window = nullptr;
    UINT classStyle = CS_OWNDC;
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    WNDPROC previousProc = nullptr;     // the Win32 class procedure
    Control* parent = nullptr;

    bool isButtonKind = false;
    bool takesEnter = false;            // button kinds and multi-line edit boxes
    bool isDefaultButton = false;
    bool isCancelButton = false;
    uint8_t navigationKeyMask = 0;
    int16_t tabPosition = 0;
    int16_t tabCounter = 0;             // forms: positions handed out so far

    struct FilterEntry { MessageFilterRoutine routine; void* data; };
    std::vector<FilterEntry> filters;
    std::vector<Control*> children;
    HBRUSH brush = nullptr;             // cached background brush
    const KindMessageTable* kindMessages = nullptr;
    const EventBlock* events = nullptr;
    std::unique_ptr<EventBlock> ownEvents;
    bool keyboardFilter = false;
    bool (*navigate)(Control* control, UINT key, bool released) = nullptr;

    UINT id = 0;
    uint32_t textColor = WindowTextColor;
    uint32_t backColor = ButtonFaceColor;
    FontRecord* font = nullptr;
    int8_t margin = 2;
    int8_t extraTop = 0, extraBottom = 0, extraLeft = 0, extraRight = 0;
    uint8_t threeD = 3;                 // bit 0 sunken edge; bit 1 children take their own choice
    RECT bounds = {0, 0, 0, 0};         // in pixels at dpi, as Win32 has them
    SIZE clientAsked = {0, 0};          // a form's client size asked before its window existed
    int dpi = 96;                       // the monitor's: the layer scales 96-DPI layouts to it
    std::unique_ptr<PaintContext> paintContext;
    int selectionIndex = 0;
    int16_t maxWidth = 0, minWidth = 0, maxHeight = 0, minHeight = 0;
    std::string text;
    std::string className;              // the Win32 class of the kind
    int modalResult = 0;
    Control* modalForm = nullptr;
    Control* focusedChild = nullptr;
    HICON icon = nullptr;               // (HICON)-1: none wanted
    uint8_t disableCount = 0;
    uint8_t modalLevel = 0;
    uint8_t focusGuard = 0;
    uint8_t fitWidth = 0, fitHeight = 0;
    int comboIndexAtDropDown = -1;
    intptr_t tag = 0;

    bool autoSize = false;
    bool fixedSize = false;
    bool iconShared = false;
    bool repaintOnMove = false;
    bool noRepaintOnText = false;
    bool destroyed = false;
    bool positionSet = false;
    bool isForm = false;
    bool isChild = false;
    bool showPending = false;
    bool visibilitySet = false;

    ControlRecord();
    ~ControlRecord();
};

class Control : public LayerObject {
public:
    // ---- window ----
    // The handle, creating the window (and its parents' windows) first. A
    // window created here on a parent that is on the screen starts hidden
    // and is shown by the next MakeWindow, unless visibility was set
    // explicitly. 0 when creation failed.
    HWND GetHandle();
    // The handle if the window exists; never creates it.
    HWND Window() const { return r_.window; }
    bool HasWindow() const { return r_.window != nullptr; }
    // Creates the window if missing (with its stored visibility), then the
    // children's windows, and shows what GetHandle left hidden.
    virtual bool MakeWindow();
    LRESULT SendToControl(UINT message, WPARAM wParam, LPARAM lParam);
    // Posts WM_CLOSE.
    void CloseWindow();

    // ---- structure ----
    Control* Parent() const { return r_.parent; }
    // The nearest form at or above this control.
    Control* Form();
    const std::vector<Control*>& Children() const { return r_.children; }
    bool IsChild() const { return r_.isChild; }
    UINT Id() const { return r_.id; }
    // For a form: the control that has or will get the keyboard focus.
    Control* FocusedChild() const { return r_.focusedChild; }

    // ---- geometry (a child: parent client coordinates; a form: screen) ----
    // Positions and sizes are given and read in 96-DPI units; the window
    // takes them scaled to the DPI of its monitor.
    int Dpi() const { return r_.dpi; }
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
    DWORD GetStyle() const { return r_.style; }
    Control* SetStyle(DWORD style);
    Control* SetExStyle(DWORD exStyle);
    Control* SetBorder(bool on);
    Control* SetTabStop(bool on);
    int GetTabIndex() const { return r_.tabPosition; }
    // Moves every focusable control of the form at or after position up by one.
    Control* SetTabIndex(int16_t position);
    // Gives the control the keyboard focus (tab-stop controls only) and makes
    // it its form's focused child; a form is brought to the foreground.
    Control* Focus();

    // ---- colours and fonts (colours: COLORREF, or 0x800000nn = system colour nn) ----
    Control* SetColor(uint32_t color);
    // The control's font record, made on first use; changes to it reach the
    // window at once.
    FontRecord* GetFont();
    // The brush the control paints its background with (shared with the
    // ancestors of the same colour).
    HBRUSH GetBackgroundBrush();
    PaintContext* GetPaintContext();

    // ---- icons ----
    // The control destroys an icon it was given unless shared is set; icons
    // from LoadIcon are shared and must be passed with shared = true.
    Control* SetIcon(HICON icon, bool shared = false);
    Control* SetIconFromResource(HINSTANCE instance, const char* name);

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
    // Adds text at the end of an edit box and scrolls it into view, without
    // sending the whole text again.
    Control* AppendText(const std::string& text);

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
    Control* SetChangeHandler(EventRef handler);
    Control* SetFocusMovedAwayHandler(EventRef handler);
    Control* SetListDroppedDownHandler(EventRef handler);
    // A form takes files dropped on it from Explorer, while it is enabled.
    Control* SetFilesDroppedHandler(FilesEventRef handler);
    template <class C> Control* SetFilesDroppedHandler(void (*handler)(C*, Control*, const std::vector<WideText>*), C* context)
    {
        return SetFilesDroppedHandler(MakeEventRef(context, handler));
    }
    // A list made with ListDragItems reports an item dragged to a new place.
    Control* SetItemDraggedHandler(ItemDraggedEventRef handler);
    template <class C> Control* SetItemDraggedHandler(void (*handler)(C*, Control*, int, int), C* context)
    {
        return SetItemDraggedHandler(MakeEventRef(context, handler));
    }
    const EventBlock& Events() const { return *r_.events; }

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
    int GetModalResult() const { return r_.modalResult; }
    Control* SetModalResult(int result) { r_.modalResult = result; return this; }
    Control* ModalForm() const { return r_.modalForm; }
    int ModalLevel() const { return r_.modalLevel; }
    int DisableCount() const { return r_.disableCount; }
    // A word of the application's own (a result code, say).
    intptr_t GetTag() const { return r_.tag; }
    Control* SetTag(intptr_t tag) { r_.tag = tag; return this; }

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
    friend struct ControlAccess;
    ControlRecord r_;
};

// A window of a layer class that has a control bound to it, or nil.
Control* ControlFromWindow(HWND window);

} // namespace velmora
