#include "ui/Application.h"

namespace velmora {

Control* AppMainForm = nullptr;
bool AppRunning = false;
bool AppTerminated = false;

} // namespace velmora
