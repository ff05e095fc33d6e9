#include "tools/driver/Screenshot.h"
#include "tools/driver/Files.h"
#include "tools/driver/Wait.h"

namespace velmora::driver {

namespace {

// Copies a screen rectangle into a top-down 32-bit bitmap and gives its pixels.
std::vector<DWORD> CopyScreen(const RECT& area)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return {};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFO format = TopDownPixelFormat(width, height);
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        throw DriverError("cannot read the screen");
    for (DWORD& pixel : pixels)
        pixel &= 0x00FFFFFF;
    return pixels;
}

} // namespace

BITMAPINFO TopDownPixelFormat(int width, int height)
{
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

std::vector<DWORD> ScreenPixels(const RECT& area)
{
    return CopyScreen(area);
}

namespace {

// Handles the cover's own messages, which only this thread can.
void PumpOwnMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool IsAllBlack(const RECT& area)
{
    PumpOwnMessages();
    for (DWORD pixel : ScreenPixels(area))
        if (pixel != 0)
            return false;
    return true;
}

} // namespace

static const char* CoverClass()
{
    static const char* name = [] {
        WNDCLASSA cls = {};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        cls.lpszClassName = "velmora_driver_cover";
        RegisterClassA(&cls);
        return cls.lpszClassName;
    }();
    return name;
}

void CoverBriefly(const RECT& area)
{
    HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, CoverClass(), "",
                                 WS_POPUP, area.left, area.top, area.right - area.left,
                                 area.bottom - area.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!cover)
        throw DriverError("cannot create a cover window");
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    UpdateWindow(cover);
    try {
        WaitUntil([&] { return IsAllBlack(area); }, "the cover window to show");
    } catch (...) {
        DestroyWindow(cover);
        throw;
    }
    DestroyWindow(cover);
    PumpOwnMessages();
}

void SaveScreenshot(const std::string& bmpPath)
{
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<DWORD> pixels = CopyScreen(RECT{0, 0, width, height});

    // Bottom-up rows of three bytes, each row padded to four bytes.
    size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    std::string image(rowBytes * height, '\0');
    for (int y = 0; y < height; ++y) {
        char* row = &image[(height - 1 - y) * rowBytes];
        for (int x = 0; x < width; ++x) {
            DWORD pixel = pixels[static_cast<size_t>(y) * width + x];
            row[x * 3] = static_cast<char>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
    }

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + image.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes += image;
    WriteFileBytes(bmpPath, bytes);
}

} // namespace velmora::driver
