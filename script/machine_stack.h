#pragma once
// A bare switch between machine stacks of one thread (Windows x64). It does
// what SwitchToFiber does for us at a fraction of its cost, which matters
// because every engine call pays for two switches.
#include <cstddef>

namespace tessorin {

// One machine stack, as the thread's TEB describes it while it runs.
struct TMachineStack {
    void* savedSp = nullptr; // its registers, while another stack runs
    void* base = nullptr;    // highest address
    void* limit = nullptr;   // lowest committed address; falls as it grows
    void* allocation = nullptr;
    void* exceptionList = nullptr; // the platform's own handler frames on it
};

// The stack the thread runs on now.
TMachineStack CurrentMachineStack();

// Reserves `reserve` bytes, commits the top `commit` with a guard page below
// (so it grows as a thread's stack does), and arranges that the first switch
// to it calls `entry`, which must never return. False when out of memory.
bool CreateMachineStack(TMachineStack& stack, std::size_t reserve, std::size_t commit,
                        void (*entry)());

// Releases a stack made by CreateMachineStack; it must not be running.
void FreeMachineStack(TMachineStack& stack);

// Parks the running stack in `from` and continues on `to`; returns when
// some later switch comes back to `from`.
void SwitchMachineStack(TMachineStack& from, TMachineStack& to);

} // namespace tessorin
