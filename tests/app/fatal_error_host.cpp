// A windowed program with Velmora's handler for what the C++ runtime cannot
// go on from: it throws what its command line names and catches nothing.
#include <new>
#include <stdexcept>
#include <string>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const std::string what = commandLine;
    if (what == "memory") throw std::bad_alloc();
    if (what == "length") throw std::length_error("too long");
    return 0;
}
