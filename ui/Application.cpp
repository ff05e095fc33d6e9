#include "ui/Application.h"
#include "ui/Control.h"

namespace velmora {

Control* AppMainForm = nullptr;
bool AppRunning = false;
bool AppTerminated = false;

HWND DialogOwner(HWND requested)
{
    if (requested) return requested;
    return AppMainForm ? AppMainForm->GetHandle() : nullptr;
}

} // namespace velmora
