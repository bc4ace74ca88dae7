#pragma once
// The lookup tables built from a language's reserved words: the distinct
// words sorted without regard to case, and 256 hash buckets over them, so a
// lookup costs one hash and a search in a very short list.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessorin {

class TReservedWordTable {
public:
    // Trimmed, empty entries skipped; of words equal but for case the first wins.
    void Rebuild(const std::vector<std::u16string>& words);
    // The word's index in Words(), found without regard to case; -1 if none.
    int Find(std::u16string_view word) const;
    // The sorted distinct words.
    const std::vector<std::u16string>& Words() const { return FWords; }

    static int Bucket(std::u16string_view word);

private:
    struct TEntry {
        std::u16string Word;
        int Index;
    };
    std::vector<std::u16string> FWords;
    std::array<std::vector<TEntry>, 256> FBuckets;
    // Most identifiers are longer than any reserved word: no hash for them.
    size_t FLongest = 0;
};

// Compares with the letters a-z folded to upper case, as the word hash does.
int CompareWords(std::u16string_view a, std::u16string_view b);

} // namespace tessorin
