#include "script/machine_stack.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tessorin {
namespace {

// The entry cannot take arguments: it talks to the test through these.
TMachineStack mainStack;
TMachineStack otherStack;
void (*work)() = nullptr;

[[noreturn]] void Entry() {
    for (;;) {
        work();
        SwitchMachineStack(otherStack, mainStack);
    }
}

void RunOnOtherStack(void (*what)()) {
    work = what;
    mainStack = CurrentMachineStack();
    SwitchMachineStack(mainStack, otherStack);
}

bool Inside(const TMachineStack& stack, const void* address) {
    return address >= stack.allocation && address < stack.base;
}

// Deep enough to pass the first commit many times over.
int Recurse(int depth) {
    volatile char frame[4096];
    frame[0] = char(depth);
    return depth == 0 ? frame[0] : Recurse(depth - 1) + frame[0];
}

class MachineStackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateMachineStack(otherStack, 16 << 20, 64 << 10, Entry));
    }
    void TearDown() override { FreeMachineStack(otherStack); }
};

TEST_F(MachineStackTest, WorkRunsOnTheNewStackAndTheThreadsStackComesBack) {
    static const void* local = nullptr;
    static TMachineStack seen;
    RunOnOtherStack([] {
        int marker = 0;
        local = &marker;
        seen = CurrentMachineStack();
    });
    EXPECT_TRUE(Inside(otherStack, local));
    EXPECT_EQ(seen.base, otherStack.base);
    EXPECT_EQ(seen.allocation, otherStack.allocation);
    int here = 0;
    EXPECT_TRUE(Inside(CurrentMachineStack(), &here));
}

TEST_F(MachineStackTest, TheStackGrowsPastItsCommitAndKeepsItsLimit) {
    static int result = -1;
    RunOnOtherStack([] { result = Recurse(2000); }); // about 8 MB
    int expected = 0;
    for (int depth = 1; depth <= 2000; ++depth)
        expected += char(depth);
    EXPECT_EQ(result, expected);
    EXPECT_LT(otherStack.limit, static_cast<char*>(otherStack.base) - (4 << 20));
}

TEST_F(MachineStackTest, ExceptionsAreThrownAndCaughtOnTheNewStack) {
    static std::string caught;
    RunOnOtherStack([] {
        try {
            Recurse(10);
            throw std::runtime_error("thrown on the other stack");
        } catch (const std::exception& error) {
            caught = error.what();
        }
    });
    EXPECT_EQ(caught, "thrown on the other stack");
}

} // namespace
} // namespace tessorin
