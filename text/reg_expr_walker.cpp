#include "text/reg_expr_walker.h"

namespace tessorin {
namespace {

using enum TRegExprKind;

bool Accepts(const TRegExprNode& node, char16_t c) {
    switch (node.Kind) {
    case rkLiteral:
        return c == node.Char;
    case rkClass:
        return node.Set.Contains(c) != node.Negated;
    default:
        return true;
    }
}

// The end of the line counts as one character that is in no class.
bool AcceptsEnd(const TRegExprNode& node) {
    return node.Kind == rkAny || (node.Kind == rkClass && node.Negated);
}

bool Advance(int& node) {
    ++node;
    return true;
}

} // namespace

int TRegExprWalker::Run(const TRegExprNodes& nodes, std::u16string_view text, int start) {
    FNodes = nodes.data();
    FText = text;
    FFrames.clear();
    FResume.clear();
    TState s{start, 0, -1, false};
    while (FNodes[s.Node].Kind != rkEnd)
        if (!Step(s) && !Resume(s))
            return -1;
    return s.Position;
}

bool TRegExprWalker::Step(TState& s) {
    const TRegExprNode& node = FNodes[s.Node];
    switch (node.Kind) {
    case rkLiteral:
    case rkAny:
    case rkClass:
        return Consume(s, node);
    case rkLineStart:
        return s.Position == 0 && Advance(s.Node);
    case rkLineEnd:
        return s.Position == Length() && Advance(s.Node);
    case rkGroupOpen:
        return node.Link < 0 ? Advance(s.Node) : EnterRepetition(s, node.Link);
    case rkOneOrMore:
    case rkZeroOrMore:
        if (node.Link >= 0)
            return EndRepetition(s, node);
        // Repeating a lone brace repeats nothing: "+" cannot match once.
        return node.Kind == rkZeroOrMore && Advance(s.Node);
    default: // a group close
        return Advance(s.Node);
    }
}

bool TRegExprWalker::Consume(TState& s, const TRegExprNode& node) {
    if (s.Position < Length()) {
        if (!Accepts(node, FText[s.Position]))
            return false;
        ++s.Position;
    } else {
        if (s.EndUsed || !AcceptsEnd(node))
            return false;
        s.EndUsed = true;
    }
    return Advance(s.Node);
}

bool TRegExprWalker::EnterRepetition(TState& s, int quantifier) {
    const bool once = FNodes[quantifier].Kind == rkOneOrMore;
    if (s.Position == Length()) {
        s.Node = quantifier + 1;
        return !once;
    }
    if (!once)
        Push(s.Position, quantifier + 1, s.Frame);
    s.Frame = Repetition(s.Frame, s.Position);
    return Advance(s.Node);
}

bool TRegExprWalker::EndRepetition(TState& s, const TRegExprNode& quantifier) {
    const TFrame frame = FFrames[s.Frame];
    if (s.Position == frame.Start)
        return false; // a repetition that consumes nothing has failed
    s.Frame = frame.Parent;
    if (s.Position == Length())
        return Advance(s.Node);
    Push(s.Position, s.Node + 1, frame.Parent);
    s.Frame = Repetition(frame.Parent, s.Position);
    s.Node = quantifier.Link + 1;
    return true;
}

int TRegExprWalker::Repetition(int parent, int start) {
    FFrames.push_back({parent, start});
    return static_cast<int>(FFrames.size()) - 1;
}

void TRegExprWalker::Push(int position, int node, int frame) {
    FResume.push_back({position, node, frame, FFrames.size()});
}

bool TRegExprWalker::Resume(TState& s) {
    if (FResume.empty())
        return false;
    const TResume r = FResume.back();
    FResume.pop_back();
    // Frames made after the push belong to abandoned attempts.
    FFrames.resize(r.Frames);
    // Points are pushed only before the end, where it cannot have been used.
    s = {r.Position, r.Node, r.Frame, false};
    return true;
}

} // namespace tessorin
