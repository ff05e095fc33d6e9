// List boxes, and the system's drag list on them: Windows sends the drag
// notifications to the list's parent, which hands them on to the list, so
// that the list answers them itself and tells its handler where an item went.
#include "ui/ControlInternals.h"
#include "ui/ControlKinds.h"
#include <commctrl.h>

namespace velmora {

namespace {

const KindMessageTable ListMessages = {LBN_DBLCLK, LBN_SETFOCUS, LBN_KILLFOCUS, -1, LBN_SELCHANGE,
                                       LB_GETCOUNT, LB_GETITEMDATA, LB_DELETESTRING, LB_INSERTSTRING,
                                       LB_SETITEMDATA, LB_GETCURSEL, LB_SETCURSEL, 0, false, LB_RESETCONTENT};

constexpr DWORD ListBoxFixedStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                                    LBS_HASSTRINGS;

UINT DragListMessage()
{
    static const UINT message = RegisterWindowMessage(DRAGLISTMSGSTRING);
    return message;
}

// On the parent of a drag list.
bool DragListReflectFilter(Control*, MessageRecord& message, LRESULT* result, void*)
{
    if (message.message != DragListMessage() || !message.lParam)
        return false;
    HWND list = reinterpret_cast<const DRAGLISTINFO*>(message.lParam)->hWnd;
    if (!ControlFromWindow(list))
        return false;
    *result = SendMessageA(list, ReflectedDragList, message.wParam, message.lParam);
    return true;
}

class ListBoxControl : public Control {
public:
    explicit ListBoxControl(bool dragItems) : dragItems_(dragItems) {}

    static bool DragFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
    {
        if (message.message != ReflectedDragList)
            return false;
        *result = static_cast<ListBoxControl*>(control)->Drag(*reinterpret_cast<const DRAGLISTINFO*>(message.lParam));
        return true;
    }

protected:
    void AfterWindowCreated() override
    {
        if (!dragItems_)
            return;
        MakeDragList(Window());
        if (Control* parent = Parent())
            parent->AddMessageFilter(&DragListReflectFilter);
    }

private:
    // Where an item let go at point would be put: before the item under it,
    // or after the last one when it is below them all; -1 outside the list.
    int InsertPlace(POINT point, bool autoScroll)
    {
        HWND list = Window();
        const int item = LBItemFromPt(list, point, autoScroll ? TRUE : FALSE);
        if (item >= 0)
            return item;
        RECT bounds;
        GetWindowRect(list, &bounds);
        if (!PtInRect(&bounds, point))
            return -1;
        return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    }

    LRESULT Drag(const DRAGLISTINFO& info)
    {
        HWND list = Window();
        HWND parent = GetParent(list);
        switch (info.uNotification) {
        case DL_BEGINDRAG:
            dragFrom_ = LBItemFromPt(list, info.ptCursor, FALSE);
            return dragFrom_ >= 0;
        case DL_DRAGGING: {
            const int place = InsertPlace(info.ptCursor, true);
            DrawInsert(parent, list, place);
            return place >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
        }
        case DL_DROPPED: {
            DrawInsert(parent, list, -1);
            const int place = InsertPlace(info.ptCursor, false);
            const int from = dragFrom_;
            dragFrom_ = -1;
            if (from >= 0 && place >= 0 && place != from && place != from + 1) {
                const ItemDraggedEventRef dragged = Rec(this).events->itemDragged;
                dragged(this, from, place);
            }
            return 0;
        }
        default:
            DrawInsert(parent, list, -1);
            dragFrom_ = -1;
            return 0;
        }
    }

    bool dragItems_;
    int dragFrom_ = -1;
};

} // namespace

DWORD ListBoxStyle(uint16_t options)
{
    DWORD style = 0;
    if (options & ListSort) style |= LBS_SORT;
    if (options & ListNoIntegralHeight) style |= LBS_NOINTEGRALHEIGHT;
    if (options & ListDisableNoScroll) style |= LBS_DISABLENOSCROLL;
    if (options & ListHorizontalScroll) style |= WS_HSCROLL;
    return style;
}

Control* CreateListBox(Control* parent, uint16_t options)
{
    Control* list = CreateObject<ListBoxControl>((options & ListDragItems) != 0);
    ConstructControl(list, parent, "LISTBOX", &ListMessages, true);
    if (parent)
        ConstructChild(list, ListBoxStyle(options) | ListBoxFixedStyle, 120, 96);
    // The arrow and page keys choose items.
    Rec(list).navigationKeyMask = NavigateByTab;
    if (options & ListDragItems)
        list->AddMessageFilter(&ListBoxControl::DragFilter);
    return list;
}

Control* Control::SetItemDraggedHandler(ItemDraggedEventRef handler)
{
    EditableEvents(this).itemDragged = handler;
    return this;
}

} // namespace velmora
