// Text model speed and memory against a plain split of the same text.
// Prints "name: value" lines and, last, "ratio=<load time over plain split>".
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "text/memo_source.h"
#include "vbscript_lines.h"

using namespace tessorin;

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point since) {
    return std::chrono::duration<double>(TClock::now() - since).count();
}

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// About 40 bytes a line with its CR LF: a VBScript-like mix of statements.
std::u16string MakeDocument(int lines) {
    std::u16string text;
    text.reserve(static_cast<size_t>(lines) * 40);
    char line[96];
    for (int i = 0; i < lines; ++i) {
        int n = bench::VbScriptLine(line, sizeof line, i);
        // Pad to an even 38 characters so that the document is 40 MB.
        for (; n < 38; ++n)
            line[n] = n % 2 ? ' ' : '.';
        for (int k = 0; k < n; ++k)
            text.push_back(static_cast<char16_t>(line[k]));
        text += u"\r\n";
    }
    return text;
}

std::vector<std::u16string> PlainSplit(const std::u16string& text) {
    std::vector<std::u16string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(u'\r', start);
        if (end == std::u16string::npos)
            end = text.size();
        lines.emplace_back(text, start, end - start);
        start = end + 2;
    }
    return lines;
}

template <typename F> double Time(F&& run) {
    const auto start = TClock::now();
    run();
    return Seconds(start);
}

} // namespace

int main() {
    constexpr int lineCount = 1000000;
    const std::u16string text = MakeDocument(lineCount);
    std::printf("document_chars: %zu\n", text.size());

    // Interleaved rounds, best of each side, so that both see the same machine.
    double split = 1e9, load = 1e9;
    size_t heap = 0;
    TMemoSource m;
    std::vector<std::u16string> splitLines;
    for (int round = 0; round < 5; ++round) {
        std::vector<std::u16string>().swap(splitLines); // freeing is not timed on either side
        split = std::min(split, Time([&] { splitLines = PlainSplit(text); }));
        if (splitLines.size() != lineCount)
            std::abort();
        m.Lines().Clear();
        const size_t before = HeapInUse();
        load = std::min(load, Time([&] { m.Lines().SetText(text); }));
        heap = HeapInUse() - before;
    }
    std::printf("plain_split_ms: %.1f\n", split * 1000);
    if (m.LineCount() != lineCount)
        std::abort();
    size_t chars = 0;
    for (int i = 0; i < m.LineCount(); ++i)
        chars += m.LineText(i).size();
    std::printf("load_ms: %.1f\n", load * 1000);
    std::printf("memory_bytes: %zu\n", heap);
    std::printf("memory_budget_bytes: %zu\n", chars * 4 + size_t(lineCount) * 96);
    std::printf("memory_bytes_per_line: %.1f\n", double(heap) / lineCount);

    m.SetCaret(10, 500000);
    double worst = 0, total = 0;
    int worstAt = 0;
    for (int i = 0; i < 1000; ++i) {
        const auto start = TClock::now();
        m.TypeChar(u'a' + i % 26);
        const double t = Seconds(start);
        if (t > worst) {
            worst = t;
            worstAt = i;
        }
        total += t;
    }
    std::printf("type_char_mean_us: %.2f\n", total / 1000 * 1e6);
    std::printf("type_char_max_us: %.2f\n", worst * 1e6);
    std::printf("type_char_max_at: %d\n", worstAt);

    m.SetSelection(stStreamSel, 5, 400000, 5, 500000);
    auto start = TClock::now();
    m.DeleteSelection();
    std::printf("delete_100000_lines_ms: %.1f\n", Seconds(start) * 1000);
    std::printf("line_count_after_delete: %d\n", m.LineCount());

    start = TClock::now();
    m.Undo();
    std::printf("undo_delete_ms: %.1f\n", Seconds(start) * 1000);
    std::printf("line_count_after_undo: %d\n", m.LineCount());

    // A view that wants the longest line: the first request measures every
    // line, later edits keep the answer.
    start = TClock::now();
    const int widest = m.LongestLineWidth();
    std::printf("longest_line_first_request_ms: %.1f\n", Seconds(start) * 1000);
    std::printf("longest_line_width: %d\n", widest);
    m.SetCaret(10, 600000);
    start = TClock::now();
    for (int i = 0; i < 1000; ++i)
        m.TypeChar(u'a' + i % 26);
    std::printf("type_char_tracked_mean_us: %.2f\n", Seconds(start) / 1000 * 1e6);

    // Below a short first line each line in turn is the widest while a block
    // deletion removes them: one pass over the rest at the block's end, not
    // one per line.
    TMemoSource shortFirst;
    shortFirst.Lines().SetText(u"a\r\n" + MakeDocument(20000));
    shortFirst.LongestLineWidth();
    shortFirst.SetSelection(stStreamSel, 1, 0, 0, shortFirst.LineCount() - 1);
    start = TClock::now();
    shortFirst.DeleteSelection();
    std::printf("delete_20000_widest_lines_ms: %.1f\n", Seconds(start) * 1000);

    std::printf("ratio=%.2f\n", load / split);
}
