// Pattern text to node list, one element at a time.
#include <string>

#include "core/exception.h"
#include "text/reg_expr_nodes.h"

namespace tessorin {
namespace {

using enum TRegExprKind;

bool IsQuantifier(char16_t c) {
    return c == u'*' || c == u'+';
}

// Characters that a backslash inside a class turns into members.
bool IsClassEscape(char16_t c) {
    return std::u16string_view(u"$*+.[]^{}-").find(c) != std::u16string_view::npos;
}

TRegExprNode NodeOf(TRegExprKind kind, char16_t c = 0) {
    TRegExprNode node;
    node.Kind = kind;
    node.Char = c;
    return node;
}

class TCompiler {
public:
    TCompiler(std::u16string_view pattern, bool caseSensitive)
        : FPattern(pattern), FCaseSensitive(caseSensitive) {}

    TRegExprNodes Run() {
        while (FAt < Size())
            Element();
        if (FUnbalanced || !FOpenGroups.empty())
            Fail(Size());
        FNodes.push_back(NodeOf(rkEnd));
        return std::move(FNodes);
    }

private:
    size_t Size() const { return FPattern.size(); }
    int Count() const { return static_cast<int>(FNodes.size()); }

    void Element() {
        const char16_t c = FPattern[FAt++];
        switch (c) {
        case u'$':
            Add(NodeOf(rkLineEnd));
            break;
        case u'^':
            Add(NodeOf(rkLineStart));
            break;
        case u'.':
            AddConsuming(NodeOf(rkAny));
            break;
        case u'\\':
            if (FAt == Size())
                Fail(FAt - 1);
            AddConsuming(NodeOf(rkLiteral, Stored(FPattern[FAt++])));
            break;
        case u'[':
            AddConsuming(Class());
            break;
        case u'{':
            FOpenGroups.push_back(Count());
            Add(NodeOf(rkGroupOpen));
            break;
        case u'}':
            CloseGroup();
            break;
        case u'*':
            Quantifier(rkZeroOrMore);
            break;
        case u'+':
            Quantifier(rkOneOrMore);
            break;
        default:
            AddConsuming(NodeOf(rkLiteral, Stored(c)));
        }
    }

    void Add(TRegExprNode node) {
        FNodes.push_back(std::move(node));
        FTarget = -1;
    }

    // A consuming element followed by a quantifier gets a group of its own.
    void AddConsuming(TRegExprNode node) {
        const bool repeated = FAt < Size() && IsQuantifier(FPattern[FAt]);
        const int open = Count();
        if (repeated)
            FNodes.push_back(NodeOf(rkGroupOpen));
        FNodes.push_back(std::move(node));
        if (repeated)
            FNodes.push_back(NodeOf(rkGroupClose));
        FTarget = repeated ? open : -1;
    }

    void CloseGroup() {
        // A stray close is only reported once the whole pattern is read.
        const int open = FOpenGroups.empty() ? -1 : FOpenGroups.back();
        FUnbalanced = FUnbalanced || open < 0;
        if (open >= 0)
            FOpenGroups.pop_back();
        Add(NodeOf(rkGroupClose));
        FTarget = open;
    }

    void Quantifier(TRegExprKind kind) {
        TRegExprNode node = NodeOf(kind);
        if (FTarget >= 0) {
            FNodes[FTarget].Link = Count();
            node.Link = FTarget;
        } else if (FNodes.empty() || !IsGroupMark(FNodes.back().Kind)) {
            Fail(FAt - 1);
        }
        Add(std::move(node));
    }

    // Without a group to repeat, only a brace may stand before a quantifier.
    static bool IsGroupMark(TRegExprKind kind) {
        return kind == rkGroupOpen || kind == rkGroupClose;
    }

    TRegExprNode Class() {
        TRegExprNode node = NodeOf(rkClass);
        if (FAt < Size() && FPattern[FAt] == u'^') {
            node.Negated = true;
            ++FAt;
        }
        int last = -1; // the last member added, -1 before the first
        for (;;) {
            if (FAt == Size())
                Fail(FAt);
            if (FPattern[FAt] == u']')
                break;
            if (FPattern[FAt] == u'-') {
                if (last < 0)
                    Fail(FAt);
                if (++FAt == Size())
                    Fail(FAt);
                const char16_t upper = Member();
                node.Set.AddRange(static_cast<char16_t>(last), upper);
                last = upper;
            } else {
                last = Member();
                node.Set.AddRange(static_cast<char16_t>(last), static_cast<char16_t>(last));
            }
        }
        if (node.Set.Empty())
            Fail(FAt);
        ++FAt;
        return node;
    }

    char16_t Member() {
        char16_t c = FPattern[FAt++];
        if (c == u'\\' && FAt < Size() && IsClassEscape(FPattern[FAt]))
            c = FPattern[FAt++];
        return Stored(c);
    }

    char16_t Stored(char16_t c) const { return FCaseSensitive ? c : RegExprUpper(c); }

    // index is 0-based; the message counts from 1.
    [[noreturn]] void Fail(size_t index) const {
        const std::string at = std::to_string(index + 1);
        throw TException(std::u16string(FPattern) + u" is invalid mask at (" +
                         std::u16string(at.begin(), at.end()) + u")");
    }

    std::u16string_view FPattern;
    bool FCaseSensitive;
    size_t FAt = 0; // the next character to read
    TRegExprNodes FNodes;
    std::vector<int> FOpenGroups;
    int FTarget = -1; // the group open a quantifier read now would repeat
    bool FUnbalanced = false;
};

} // namespace

TRegExprNodes CompileRegExpr(std::u16string_view pattern, bool caseSensitive) {
    return TCompiler(pattern, caseSensitive).Run();
}

} // namespace tessorin
