// Colouring speed: every line of a 40 MB VBScript document through the text
// model and its VBScript parser, against one pass over the same characters
// through a 256-entry table, the floor for a table-driven tokenizer.
// Prints "name: value" lines and, last, "ratio=<colouring over table pass>".
#include <chrono>
#include <cstdio>
#include <string>

#include "syntax/vbscript_parser.h"
#include "text/memo_source.h"

using namespace tessorin;

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point since) {
    return std::chrono::duration<double>(TClock::now() - since).count();
}

// About 40 characters a line with its CR LF, in the shapes scripts have.
std::u16string MakeDocument(int lines) {
    static const char* const shapes[] = {
        "Sub Routine%d(a, b)",
        "    Dim total%d, index",
        "    total = total + a * %d",
        "    If index > %d Then",
        "        Call inp.MOVE(%d, &HFF)",
        "    End If ' step %d",
        "    s = \"text \"\"%d\"\" here\"",
        "End Sub: Rem %d",
        "    x = 1.5E+3 * %d Mod 7",
        "\tFor i = 1 To %d Step 2",
    };
    std::u16string text;
    text.reserve(static_cast<size_t>(lines) * 40);
    char line[96];
    for (int i = 0; i < lines; ++i) {
        int n = std::snprintf(line, sizeof line, shapes[i % 10], i);
        for (; n < 38; ++n)
            line[n] = ' ';
        for (int k = 0; k < n; ++k)
            text.push_back(static_cast<char16_t>(line[k]));
        text += u"\r\n";
    }
    return text;
}

// The same characters, each looked up once; a checksum keeps it honest.
unsigned TablePass(const TCustomMemoSource& m, std::string& out) {
    unsigned char table[256];
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c % 8 + 1);
    unsigned sum = 0;
    for (int i = 0; i < m.LineCount(); ++i) {
        const std::u16string& text = m.LineText(i);
        out.resize(text.size());
        for (size_t k = 0; k < text.size(); ++k) {
            const char16_t c = text[k];
            out[k] = static_cast<char>(table[c < 256 ? c : 255]);
        }
        sum += static_cast<unsigned char>(out.empty() ? 0 : out.back());
    }
    return sum;
}

} // namespace

int main() {
    const int lineCount = 1'000'000; // 40 million characters
    TMemoSource m;
    m.SetKeepTrailingBlanks(true); // all 40 million characters stay
    m.Lines().SetText(MakeDocument(lineCount));
    long long characters = 0;
    for (int i = 0; i < m.LineCount(); ++i)
        characters += static_cast<long long>(m.LineText(i).size()) + 2;
    TVBScriptParser parser;
    m.SetSyntaxParser(&parser);

    auto start = TClock::now();
    m.ColorLines(0, m.LineCount() - 1);
    const double colouring = Seconds(start);

    // Again with every line's colour string already in place: the cost of
    // the tokenizer alone, without allocating a million strings.
    m.InvalidateColoring();
    start = TClock::now();
    m.ColorLines(0, m.LineCount() - 1);
    const double recolouring = Seconds(start);

    std::string out;
    start = TClock::now();
    const unsigned sum = TablePass(m, out);
    const double table = Seconds(start);

    std::printf("characters: %lld\n", characters);
    std::printf("lines: %d\n", m.LineCount());
    std::printf("colouring_s: %.3f\n", colouring);
    std::printf("colouring_mchars_per_s: %.1f\n", characters / colouring / 1e6);
    std::printf("recolouring_s: %.3f\n", recolouring);
    std::printf("recolouring_ratio: %.2f\n", recolouring / table);
    std::printf("table_pass_s: %.3f\n", table);
    std::printf("table_checksum: %u\n", sum);
    std::printf("ratio=%.2f\n", colouring / table);
}
