#pragma once
// Checks that the last command is undone by exactly one undo step.
#include <gtest/gtest.h>

#include "memo_fixture.h"

namespace tessorin::testing {

// Call ClearUndo before the command; `before` is the text it started from.
inline void ExpectOneUndoStep(TMemoSource& m, const std::vector<std::u16string>& before) {
    ASSERT_TRUE(m.CanUndo());
    m.Undo();
    EXPECT_EQ(LinesOf(m), before);
    EXPECT_FALSE(m.CanUndo()) << "the command took more than one undo step";
}

} // namespace tessorin::testing
