#pragma once
// Engine calls run on a stack of their own. A script that recurses without
// end then overflows that stack instead of the thread's: the call is given up
// for good and reported, and the program lives on. (Some engines, Wine's
// among them, have no depth check of their own and would take the process
// down.)
#include "core/function_ref.h"

namespace tessorin {

// Runs `call` on the script stack (directly, when already on it). False
// when the call overflowed the stack: everything it was doing is abandoned.
// Exceptions of `call` reach the caller.
bool RunOnScriptStack(TFunctionRef<void()> call);

} // namespace tessorin
