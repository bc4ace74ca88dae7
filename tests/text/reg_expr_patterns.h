#pragma once
// Random patterns for the matcher: flat strings of pattern characters, and
// syntax trees printed as patterns. Shared by the fuzz test and the
// measurement of the slowest generated pattern.
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessorin::testing {

// The alphabets and seeds the fuzz test draws from.
inline constexpr std::u16string_view flatPatternChars = u"ab{}[]^$.*+\\-()?|";
inline constexpr std::u16string_view flatLineChars = u"abAB{}[]^$.*+\\-(";
inline constexpr unsigned flatSeed = 20240611;
inline constexpr std::u16string_view treeLineChars = u"abAB{.*x";
inline constexpr unsigned treeSeed = 7151;

inline std::u16string RandomText(std::mt19937& rng, std::u16string_view alphabet, int maxLength) {
    std::u16string text(rng() % (maxLength + 1), u' ');
    for (auto& c : text)
        c = alphabet[rng() % alphabet.size()];
    return text;
}

// A syntax tree of a pattern, printed for the matcher and walked directly
// by the reference.
struct TRefItem;

struct TRefAtom {
    enum TKind { rChar, rAny, rClass, rStart, rEnd, rGroup } Kind = rChar;
    char16_t Char = 0;
    bool Negated = false;
    std::u16string Members;
    std::vector<std::pair<char16_t, char16_t>> Ranges;
    std::vector<TRefItem> Body;
};

struct TRefItem {
    TRefAtom Atom;
    char16_t Quantifier = 0; // 0, '*' or '+'
};

using TRefSequence = std::vector<TRefItem>;

inline TRefSequence RandomSequence(std::mt19937& rng, int depth);

inline TRefAtom RandomAtom(std::mt19937& rng, int depth) {
    const std::u16string_view chars = u"abA{.*";
    const std::u16string_view members = u"abAx";
    TRefAtom atom;
    switch (rng() % 10) {
    case 4:
        atom.Kind = TRefAtom::rAny;
        break;
    case 5:
        atom.Kind = TRefAtom::rClass;
        atom.Negated = rng() % 3 == 0;
        atom.Members = RandomText(rng, members, 2) + members[rng() % members.size()];
        for (int k = rng() % 2; k > 0; --k)
            atom.Ranges.emplace_back(members[rng() % members.size()],
                                     members[rng() % members.size()]);
        break;
    case 6:
        atom.Kind = TRefAtom::rStart;
        break;
    case 7:
        atom.Kind = TRefAtom::rEnd;
        break;
    case 8:
    case 9:
        if (depth < 3) {
            atom.Kind = TRefAtom::rGroup;
            atom.Body = RandomSequence(rng, depth + 1);
            break;
        }
        [[fallthrough]];
    default:
        atom.Char = chars[rng() % chars.size()];
    }
    return atom;
}

inline TRefSequence RandomSequence(std::mt19937& rng, int depth) {
    TRefSequence items(rng() % (5 - depth));
    for (auto& item : items) {
        item.Atom = RandomAtom(rng, depth);
        const bool anchor = item.Atom.Kind == TRefAtom::rStart || item.Atom.Kind == TRefAtom::rEnd;
        item.Quantifier = anchor ? 0 : u"\0*+"[rng() % 3];
    }
    return items;
}

inline std::u16string Print(const TRefSequence& items);

inline std::u16string Print(const TRefAtom& atom) {
    switch (atom.Kind) {
    case TRefAtom::rAny:
        return u".";
    case TRefAtom::rStart:
        return u"^";
    case TRefAtom::rEnd:
        return u"$";
    case TRefAtom::rGroup: {
        // Appended step by step: GCC 12 warns falsely on u"{" + string&&.
        std::u16string text = u"{";
        text += Print(atom.Body);
        return text += u"}";
    }
    case TRefAtom::rClass: {
        std::u16string text = atom.Negated ? u"[^" : u"[";
        text += atom.Members;
        for (const auto& [low, high] : atom.Ranges)
            text += std::u16string{low, u'-', high};
        return text + u"]";
    }
    default:
        const bool special = std::u16string_view(u"{.*").find(atom.Char) != std::u16string::npos;
        return special ? std::u16string{u'\\', atom.Char} : std::u16string(1, atom.Char);
    }
}

inline std::u16string Print(const TRefSequence& items) {
    std::u16string text;
    for (const auto& item : items) {
        text += Print(item.Atom);
        if (item.Quantifier)
            text += item.Quantifier;
    }
    return text;
}

} // namespace tessorin::testing
