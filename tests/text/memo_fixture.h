#pragma once
// Helpers shared by the text-model tests.
#include <string>
#include <vector>

#include "text/memo_source.h"

namespace tessorin::testing {

inline std::u16string U(const char* s) {
    return std::u16string(s, s + std::char_traits<char>::length(s));
}

// The document's stored lines.
inline std::vector<std::u16string> LinesOf(const TCustomMemoSource& m) {
    std::vector<std::u16string> lines;
    for (int i = 0; i < m.LineCount(); ++i)
        lines.push_back(m.LineText(i));
    return lines;
}

inline std::vector<std::u16string> L(std::initializer_list<const char*> lines) {
    std::vector<std::u16string> result;
    for (const char* s : lines)
        result.push_back(U(s));
    return result;
}

// A parser that leaves the colour bytes as the edits left them, so that a
// test sees what the edits themselves carry.
class TKeepColorsParser final : public TLineParser {
public:
    void SetLinePos(int) override {}
    void PrepareColorData(int, const std::u16string&, std::string&) override {}
    int ParseLine(const std::u16string&, int startState, std::string&) override {
        return startState;
    }
    void RegisterClient(TComponent*, TRulesChangedEvent) override {}
    void UnregisterClient(TComponent*) override {}
};

inline void Load(TCustomMemoSource& m, std::initializer_list<const char*> lines) {
    std::u16string text;
    for (const char* s : lines)
        text += U(s) + u"\r\n";
    m.Lines().SetText(text);
}

} // namespace tessorin::testing
