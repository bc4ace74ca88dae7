#pragma once
// The lookup tables built from a language's reserved words: the distinct
// words sorted without regard to case, and 256 hash buckets over them, so a
// lookup costs one hash and a search in a very short list.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessorin {

inline char16_t FoldCase(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - 32 : c;
}

// The word hash, fed one character at a time so that a scanner can build it
// while it reads the word.
class TWordHash {
public:
    void Add(char16_t c) { FBits = (FBits ^ FoldCase(c)) * 2; }
    int Bucket(size_t length) const {
        // The start value, length - 1, is doubled once per character too.
        const std::uint32_t start =
            length < 32 ? (static_cast<std::uint32_t>(length) - 1) << length : 0;
        return static_cast<int>(((start ^ FBits) >> 1) & 255);
    }

private:
    std::uint32_t FBits = 0;
};

class TReservedWordTable {
public:
    // Trimmed, empty entries skipped; of words equal but for case the first wins.
    void Rebuild(const std::vector<std::u16string>& words);
    // The word's index in Words(), found without regard to case; -1 if none.
    int Find(std::u16string_view word) const { return Find(word, Bucket(word)); }
    // The same, with the word's bucket already known.
    int Find(std::u16string_view word, int bucket) const;
    // The sorted distinct words.
    const std::vector<std::u16string>& Words() const { return FWords; }

    static int Bucket(std::u16string_view word);

private:
    // A word of FFolded, in upper case.
    struct TEntry {
        std::uint32_t Offset;
        std::uint32_t Length;
        int Index;
    };
    bool Matches(const TEntry& entry, std::u16string_view word) const;

    std::vector<std::u16string> FWords;
    std::u16string FFolded;
    // The entries bucket by bucket; bucket b is FEntries[FBucketStart[b]]
    // up to FEntries[FBucketStart[b + 1]].
    std::vector<TEntry> FEntries;
    std::array<std::uint32_t, 257> FBucketStart{};
};

inline bool TReservedWordTable::Matches(const TEntry& entry, std::u16string_view word) const {
    if (entry.Length != word.size())
        return false;
    const char16_t* folded = FFolded.data() + entry.Offset;
    for (size_t i = 0; i < word.size(); ++i)
        if (FoldCase(word[i]) != folded[i])
            return false;
    return true;
}

inline int TReservedWordTable::Find(std::u16string_view word, int bucket) const {
    // The words of a bucket differ from each other even without case.
    for (std::uint32_t i = FBucketStart[bucket]; i < FBucketStart[bucket + 1]; ++i)
        if (Matches(FEntries[i], word))
            return FEntries[i].Index;
    return -1;
}

// Compares with the letters a-z folded to upper case, as the word hash does.
int CompareWords(std::u16string_view a, std::u16string_view b);

} // namespace tessorin
