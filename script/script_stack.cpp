#include "script/script_stack.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "script/machine_stack.h"

namespace tessorin {
namespace {

// Deep enough for any sensible script; reserved, committed only as used.
constexpr SIZE_T kStackReserve = 64 * 1024 * 1024;
constexpr SIZE_T kStackCommit = 64 * 1024;

// One thread owns the script stack: the first that runs a script (the main
// thread). Plain statics, not thread_local: mingw's emulated thread-locals
// would cost more than the rest of a call.
DWORD ownerThread = 0;
TMachineStack threadStack;
TMachineStack scriptStack;
const TFunctionRef<void()>* pendingCall = nullptr;
std::exception_ptr pendingException;
bool onScriptStack = false;
bool overflowed = false;

[[noreturn]] void ScriptStackMain() {
    for (;;) {
        try {
            (*pendingCall)();
        } catch (...) {
            pendingException = std::current_exception();
        }
        SwitchMachineStack(scriptStack, threadStack);
    }
}

// Leaves the overflowing stack behind for good: it is never resumed.
LONG CALLBACK OnStackOverflow(EXCEPTION_POINTERS* pointers) {
    if (pointers->ExceptionRecord->ExceptionCode != EXCEPTION_STACK_OVERFLOW || !onScriptStack)
        return EXCEPTION_CONTINUE_SEARCH;
    overflowed = true;
    SwitchMachineStack(scriptStack, threadStack);
    return EXCEPTION_CONTINUE_SEARCH;
}

bool EnsureScriptStack() {
    if (!ownerThread) {
        ownerThread = GetCurrentThreadId();
        AddVectoredExceptionHandler(1, OnStackOverflow);
    }
    if (ownerThread != GetCurrentThreadId())
        return false;
    return scriptStack.savedSp ||
           CreateMachineStack(scriptStack, kStackReserve, kStackCommit, ScriptStackMain);
}

} // namespace

bool RunOnScriptStack(TFunctionRef<void()> call) {
    // Nested calls (from a message loop the script is waiting in) share it;
    // other threads, and a thread that cannot have one, run unguarded.
    if (onScriptStack || !EnsureScriptStack()) {
        call();
        return true;
    }
    pendingCall = &call;
    overflowed = false;
    onScriptStack = true;
    threadStack = CurrentMachineStack();
    SwitchMachineStack(threadStack, scriptStack);
    onScriptStack = false;
    pendingCall = nullptr;
    if (overflowed) {
        FreeMachineStack(scriptStack);
        return false;
    }
    if (auto error = std::exchange(pendingException, nullptr))
        std::rethrow_exception(error);
    return true;
}

} // namespace tessorin
