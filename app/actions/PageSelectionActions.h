#pragma once
// Click handlers of "CAT" and "Remove": copying chosen pages into a new file.
namespace velmora {

class Control;
class MainWindow;

void CatPages(MainWindow* window, Control* sender);
void RemovePages(MainWindow* window, Control* sender);

} // namespace velmora
