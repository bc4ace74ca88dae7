#include "script/script_stack.h"

#include <windows.h>

#include <exception>
#include <utility>

namespace tessorin {
namespace {

// Deep enough for any sensible script; reserved, committed only as used.
constexpr SIZE_T kStackReserve = 64 * 1024 * 1024;
constexpr SIZE_T kStackCommit = 64 * 1024;

thread_local LPVOID threadFiber = nullptr;
thread_local LPVOID scriptFiber = nullptr;
thread_local const std::function<void()>* pendingCall = nullptr;
thread_local std::exception_ptr pendingException;
thread_local bool onScriptStack = false;
thread_local bool overflowed = false;

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
    if (!threadFiber) {
        threadFiber = IsThreadAFiber() ? CurrentFiber() : ConvertThreadToFiber(nullptr);
        if (!threadFiber)
            return false;
        AddVectoredExceptionHandler(1, OnStackOverflow);
    }
    if (!scriptFiber)
        scriptFiber = CreateFiberEx(kStackCommit, kStackReserve, FIBER_FLAG_FLOAT_SWITCH,
                                    ScriptFiberMain, nullptr);
    return scriptFiber != nullptr;
}

} // namespace

bool RunOnScriptStack(const std::function<void()>& call) {
    // Nested calls (from a message loop the script is waiting in) share it;
    // so does a thread that cannot have a fiber.
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
