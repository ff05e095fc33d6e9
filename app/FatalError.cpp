// What the program does when the C++ runtime cannot go on: an exception
// nobody catches, above all running out of memory while storing a tool's
// output. The runtime's own handler writes the exception's demangled type to
// standard error, which a windowed program does not have, so the user would
// see the program vanish; it also brings 45 KB of demangler along. Defining
// the handler here replaces it: the user is told, and the program ends with
// the exit code abort() would give.
#include <exception>
#include <new>
#include <windows.h>

namespace {

const char* FatalErrorText()
{
    try {
        std::exception_ptr current = std::current_exception();
        if (current) std::rethrow_exception(current);
    } catch (const std::bad_alloc&) {
        return "Velmora ran out of memory and has to close.";
    } catch (...) {
    }
    return "Velmora met an internal error and has to close.";
}

} // namespace

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    MessageBoxA(nullptr, FatalErrorText(), "Velmora", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(3);
}

} // namespace __gnu_cxx
