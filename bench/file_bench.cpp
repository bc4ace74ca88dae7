// Loading and saving a 40 MB script file against a plain read and split of
// the same bytes and a plain write of them. Prints "name: value" lines and,
// last, "ratio=<load and save time over the plain read, split and write>".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "text/memo_source.h"
#include "vbscript_lines.h"

using namespace tessorin;

namespace {

using TClock = std::chrono::steady_clock;

template <typename F> double Time(F&& run) {
    const auto start = TClock::now();
    run();
    return std::chrono::duration<double>(TClock::now() - start).count();
}

std::string MakeFile(int lines) {
    std::string bytes;
    char line[96];
    for (int i = 0; i < lines; ++i) {
        int n = bench::VbScriptLine(line, sizeof line, i);
        // Padded to 38 characters, so that the file is 40 MB.
        for (; n < 38; ++n)
            line[n] = n % 2 ? '.' : ' '; // never a trailing blank, which loading trims
        bytes.append(line, n);
        bytes += "\r\n";
    }
    return bytes;
}

// The reference: bytes in, widened, split into lines; bytes out.
size_t PlainRoundTrip(const std::filesystem::path& in, const std::filesystem::path& out) {
    std::ifstream file(in, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(file), {});
    const std::u16string text(bytes.begin(), bytes.end());
    std::vector<std::u16string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find(u'\r', start), text.size());
        lines.emplace_back(text, start, end - start);
        start = end + 2;
    }
    std::string written;
    written.reserve(bytes.size());
    for (const std::u16string& l : lines) {
        written.append(l.begin(), l.end());
        written += "\r\n";
    }
    std::ofstream(out, std::ios::binary).write(written.data(), written.size());
    return lines.size();
}

} // namespace

int main() {
    constexpr int lineCount = 1000000;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "tessorin-file-bench";
    std::filesystem::create_directories(folder);
    const std::filesystem::path source = folder / "script.vbs", copy = folder / "copy.vbs";
    const std::string bytes = MakeFile(lineCount);
    std::ofstream(source, std::ios::binary).write(bytes.data(), bytes.size());
    std::printf("file_bytes: %zu\n", bytes.size());

    // Interleaved rounds, best of each side, so that both see the same machine.
    double plain = 1e9, load = 1e9, save = 1e9;
    for (int round = 0; round < 5; ++round) {
        plain = std::min(plain, Time([&] {
                             if (PlainRoundTrip(source, copy) != lineCount)
                                 std::abort();
                         }));
        TMemoSource m;
        load = std::min(load, Time([&] { m.LoadFromFile(source.u16string()); }));
        save = std::min(save, Time([&] { m.SaveToFile(copy.u16string()); }));
        if (m.LineCount() != lineCount)
            std::abort();
    }
    std::ifstream check(copy, std::ios::binary);
    if (std::string(std::istreambuf_iterator<char>(check), {}) != bytes)
        std::abort();
    std::filesystem::remove_all(folder);
    std::printf("plain_read_split_write_ms: %.1f\n", plain * 1000);
    std::printf("load_ms: %.1f\n", load * 1000);
    std::printf("save_ms: %.1f\n", save * 1000);
    std::printf("ratio=%.2f\n", (load + save) / plain);
}
