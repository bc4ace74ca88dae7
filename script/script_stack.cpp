#include "script/script_stack.h"

#include <windows.h>

#include <exception>
#include <utility>

namespace tessorin {
namespace {

// Deep enough for any sensible script; reserved, committed only as used.
constexpr SIZE_T kStackReserve = 64 * 1024 * 1024;
constexpr SIZE_T kStackCommit = 64 * 1024;

// One thread owns the script stack: the first that runs a script (the main
// thread). Plain statics, not thread_local: mingw's emulated thread-locals
// would cost more than the rest of a call.
DWORD ownerThread = 0;
LPVOID threadFiber = nullptr;
LPVOID scriptFiber = nullptr;
const TFunctionRef<void()>* pendingCall = nullptr;
std::exception_ptr pendingException;
bool onScriptStack = false;
bool overflowed = false;

void WINAPI ScriptFiberMain(LPVOID) {
    for (;;) {
        try {
            (*pendingCall)();
        } catch (...) {
            pendingException = std::current_exception();
        }
        SwitchToFiber(threadFiber);
    }
}

// Leaves the overflowing fiber behind for good: it is never resumed.
LONG CALLBACK OnStackOverflow(EXCEPTION_POINTERS* pointers) {
    // While onScriptStack is set, the thread runs on the script fiber.
    if (pointers->ExceptionRecord->ExceptionCode != EXCEPTION_STACK_OVERFLOW || !onScriptStack)
        return EXCEPTION_CONTINUE_SEARCH;
    overflowed = true;
    SwitchToFiber(threadFiber);
    return EXCEPTION_CONTINUE_SEARCH;
}

// mingw's inline GetCurrentFiber trips a false -Warray-bounds.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
LPVOID CurrentFiber() {
    return GetCurrentFiber();
}
#pragma GCC diagnostic pop

bool EnsureScriptFiber() {
    if (!ownerThread)
        ownerThread = GetCurrentThreadId();
    if (ownerThread != GetCurrentThreadId())
        return false;
    if (!threadFiber) {
        threadFiber = IsThreadAFiber() ? CurrentFiber() : ConvertThreadToFiber(nullptr);
        if (!threadFiber)
            return false;
        AddVectoredExceptionHandler(1, OnStackOverflow);
    }
    if (!scriptFiber)
        scriptFiber = CreateFiberEx(kStackCommit, kStackReserve, 0, ScriptFiberMain, nullptr);
    return scriptFiber != nullptr;
}

} // namespace

bool RunOnScriptStack(TFunctionRef<void()> call) {
    // Nested calls (from a message loop the script is waiting in) share it;
    // other threads, and a thread that cannot have a fiber, run unguarded.
    if (onScriptStack || !EnsureScriptFiber()) {
        call();
        return true;
    }
    pendingCall = &call;
    overflowed = false;
    onScriptStack = true;
    SwitchToFiber(scriptFiber);
    onScriptStack = false;
    pendingCall = nullptr;
    if (overflowed) {
        DeleteFiber(scriptFiber);
        scriptFiber = nullptr;
        return false;
    }
    if (auto error = std::exchange(pendingException, nullptr))
        std::rethrow_exception(error);
    return true;
}

} // namespace tessorin
