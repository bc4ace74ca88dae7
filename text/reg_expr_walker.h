#pragma once
// The backtracking interpreter for one candidate start. All of its state
// lives in two heap stacks, so neither the line nor the pattern deepens the
// call stack.
#include <string_view>
#include <vector>

#include "text/reg_expr_nodes.h"

namespace tessorin {

class TRegExprWalker {
public:
    // The end of the first match of nodes at the 0-based start, or -1.
    // Repetitions are greedy: the most repetitions are tried first, fewer
    // ones later from the resume points.
    int Run(const TRegExprNodes& nodes, std::u16string_view text, int start);

private:
    // One repetition of a group in progress; never changed once made, so a
    // resume point can go back to the repetitions open when it was pushed.
    struct TFrame {
        int Parent;
        int Start; // where this repetition began
    };
    struct TState {
        int Position;
        int Node;
        int Frame;    // innermost repetition in progress, -1 when none
        bool EndUsed; // the end of the line was taken as a character
    };
    struct TResume {
        int Position;
        int Node;
        int Frame;
        size_t Frames; // frames made before the push
    };

    bool Step(TState& s);
    bool Consume(TState& s, const TRegExprNode& node);
    bool EnterRepetition(TState& s, int quantifier);
    bool EndRepetition(TState& s, const TRegExprNode& quantifier);
    int Repetition(int parent, int start);
    void Push(int position, int node, int frame);
    bool Resume(TState& s);
    int Length() const { return static_cast<int>(FText.size()); }

    const TRegExprNode* FNodes = nullptr;
    std::u16string_view FText;
    std::vector<TFrame> FFrames;
    std::vector<TResume> FResume;
};

} // namespace tessorin
