#include "script/machine_stack.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

// Saves the callee-saved state of the Windows x64 convention (general
// registers, xmm6-xmm15, MXCSR, x87 control word) on the running stack,
// stores the stack pointer in *from, loads `to` and restores the same state
// from there. A new stack starts in machine_stack_start, which calls the
// entry held in rbx.
extern "C" void machine_stack_switch(void** from, void* to);
extern "C" void machine_stack_start();

asm(R"(
    .text
    .globl machine_stack_switch
    .def machine_stack_switch; .scl 2; .type 32; .endef
machine_stack_switch:
    pushq %rbp
    pushq %rbx
    pushq %rdi
    pushq %rsi
    pushq %r12
    pushq %r13
    pushq %r14
    pushq %r15
    subq $0xa8, %rsp
    movaps %xmm6, 0x00(%rsp)
    movaps %xmm7, 0x10(%rsp)
    movaps %xmm8, 0x20(%rsp)
    movaps %xmm9, 0x30(%rsp)
    movaps %xmm10, 0x40(%rsp)
    movaps %xmm11, 0x50(%rsp)
    movaps %xmm12, 0x60(%rsp)
    movaps %xmm13, 0x70(%rsp)
    movaps %xmm14, 0x80(%rsp)
    movaps %xmm15, 0x90(%rsp)
    stmxcsr 0xa0(%rsp)
    fnstcw 0xa4(%rsp)
    movq %rsp, (%rcx)
    movq %rdx, %rsp
    movaps 0x00(%rsp), %xmm6
    movaps 0x10(%rsp), %xmm7
    movaps 0x20(%rsp), %xmm8
    movaps 0x30(%rsp), %xmm9
    movaps 0x40(%rsp), %xmm10
    movaps 0x50(%rsp), %xmm11
    movaps 0x60(%rsp), %xmm12
    movaps 0x70(%rsp), %xmm13
    movaps 0x80(%rsp), %xmm14
    movaps 0x90(%rsp), %xmm15
    ldmxcsr 0xa0(%rsp)
    fldcw 0xa4(%rsp)
    addq $0xa8, %rsp
    popq %r15
    popq %r14
    popq %r13
    popq %r12
    popq %rsi
    popq %rdi
    popq %rbx
    popq %rbp
    ret

    .globl machine_stack_start
    .def machine_stack_start; .scl 2; .type 32; .endef
    .seh_proc machine_stack_start
machine_stack_start:
    subq $32, %rsp
    .seh_stackalloc 32
    .seh_endprologue
    call *%rbx
    ud2
    .seh_endproc
)");

namespace tessorin {
namespace {

// NT_TIB fields and the reservation start, at their fixed x64 TEB offsets.
constexpr std::size_t kTebExceptionList = 0x00;
constexpr std::size_t kTebStackBase = 0x08;
constexpr std::size_t kTebStackLimit = 0x10;
constexpr std::size_t kTebDeallocationStack = 0x1478;

// The TEB is written behind the compiler's back (a growing stack lowers its
// limit), hence volatile.
void* volatile& TebField(std::size_t offset) {
    char* teb;
    asm("movq %%gs:0x30, %0" : "=r"(teb)); // the TEB's pointer to itself
    return *reinterpret_cast<void* volatile*>(teb + offset);
}

void* ReadTeb(std::size_t offset) {
    return TebField(offset);
}

void WriteTeb(std::size_t offset, void* value) {
    TebField(offset) = value;
}

// The frame machine_stack_switch pops on the first switch to a new stack.
struct TStartFrame {
    alignas(16) unsigned char xmm[0xa0];
    std::uint32_t mxcsr;
    std::uint16_t fpuControl;
    std::uint16_t padding;
    void* r15;
    void* r14;
    void* r13;
    void* r12;
    void* rsi;
    void* rdi;
    void* rbx;
    void* rbp;
    void* returnAddress;
    // machine_stack_start's frame lies below this; an unwinder that walks
    // past it finds a null return address here and stops.
    void* outermost[6];
};
static_assert(sizeof(TStartFrame) % 16 == 0);

void PlaceStartFrame(TMachineStack& stack, void (*entry)()) {
    auto* frame = static_cast<TStartFrame*>(stack.base) - 1;
    std::memset(frame, 0, sizeof *frame);
    frame->mxcsr = 0x1f80;      // all exceptions masked, round to nearest
    frame->fpuControl = 0x027f; // x87: double precision, exceptions masked
    frame->rbx = reinterpret_cast<void*>(entry);
    frame->returnAddress = reinterpret_cast<void*>(machine_stack_start);
    stack.savedSp = frame;
}

} // namespace

TMachineStack CurrentMachineStack() {
    TMachineStack stack;
    stack.base = ReadTeb(kTebStackBase);
    stack.limit = ReadTeb(kTebStackLimit);
    stack.allocation = ReadTeb(kTebDeallocationStack);
    stack.exceptionList = ReadTeb(kTebExceptionList);
    return stack;
}

bool CreateMachineStack(TMachineStack& stack, std::size_t reserve, std::size_t commit,
                        void (*entry)()) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const std::size_t page = info.dwPageSize;
    // Reserved read-write, so that the pages the guard commits are usable.
    auto* bottom = static_cast<char*>(VirtualAlloc(nullptr, reserve, MEM_RESERVE, PAGE_READWRITE));
    if (!bottom)
        return false;
    char* top = bottom + reserve;
    char* committed = top - commit;
    if (!VirtualAlloc(committed, commit, MEM_COMMIT, PAGE_READWRITE) ||
        !VirtualAlloc(committed - page, page, MEM_COMMIT, PAGE_READWRITE | PAGE_GUARD)) {
        VirtualFree(bottom, 0, MEM_RELEASE);
        return false;
    }
    stack.allocation = bottom;
    stack.base = top;
    stack.limit = committed;
    // An empty handler chain, as a new fiber has: the thread's own frames
    // live on the other stack.
    stack.exceptionList = reinterpret_cast<void*>(-1);
    PlaceStartFrame(stack, entry);
    return true;
}

void FreeMachineStack(TMachineStack& stack) {
    VirtualFree(stack.allocation, 0, MEM_RELEASE);
    stack = {};
}

void SwitchMachineStack(TMachineStack& from, TMachineStack& to) {
    // The limit has moved if the stack grew while it ran.
    from.limit = ReadTeb(kTebStackLimit);
    from.exceptionList = ReadTeb(kTebExceptionList);
    // Exception dispatch and stack growth trust these, so they must describe
    // the stack that runs.
    WriteTeb(kTebExceptionList, to.exceptionList);
    WriteTeb(kTebStackBase, to.base);
    WriteTeb(kTebStackLimit, to.limit);
    WriteTeb(kTebDeallocationStack, to.allocation);
    machine_stack_switch(&from.savedSp, to.savedSp);
}

} // namespace tessorin
