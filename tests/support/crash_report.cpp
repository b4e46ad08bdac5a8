// Linked into every test program: a crash prints where it happened (the
// module and the offset in it, for addr2line) and ends the program at once,
// instead of waiting on a debugger that nobody attends.
#include <windows.h>
#include <cstdio>

namespace {

LONG WINAPI Report(EXCEPTION_POINTERS* pointers) {
    const EXCEPTION_RECORD* record = pointers->ExceptionRecord;
    const auto address = reinterpret_cast<ULONG_PTR>(record->ExceptionAddress);
    HMODULE module = nullptr;
    char name[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(address), &module))
        GetModuleFileNameA(module, name, MAX_PATH);
    std::fprintf(stderr, "CRASH: exception 0x%08lX at %s+0x%lx (thread %lu)\n",
                 static_cast<unsigned long>(record->ExceptionCode), name,
                 static_cast<unsigned long>(address - reinterpret_cast<ULONG_PTR>(module)),
                 static_cast<unsigned long>(GetCurrentThreadId()));
    if (record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record->NumberParameters >= 2)
        std::fprintf(stderr, "CRASH: %s of address 0x%lx\n", record->ExceptionInformation[0] ? "write" : "read",
                     static_cast<unsigned long>(record->ExceptionInformation[1]));
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

const struct Install {
    Install() { SetUnhandledExceptionFilter(Report); }
} install;

}  // namespace
