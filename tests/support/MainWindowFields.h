#pragma once
// The main window's edit fields have no caption to find them by: end-to-end
// suites find them where they stand in the main window's client area.
#include <windows.h>

namespace velmora::testsupport {

enum class Field { PdfFile, Target, UserPassword, OwnerPassword, CatFrom, CatTo };

inline POINT FieldPlace(Field field)
{
    switch (field) {
    case Field::PdfFile: return {60, 21};
    case Field::Target: return {62, 53};
    case Field::UserPassword: return {400, 96};
    case Field::OwnerPassword: return {402, 140};
    case Field::CatFrom: return {58, 368};
    case Field::CatTo: return {160, 368};
    }
    return {0, 0};
}

} // namespace velmora::testsupport
