// Search and replace on a 40 MB document against grep and sed run as child
// processes on the same text in a file. Prints "name: value" lines and, last,
// "ratio=<the worse of the two find ratios>".
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <vector>

#include "text/memo_source.h"
#include "vbscript_lines.h"
#include "text/search_options.h"

extern char** environ;

using namespace tessorin;

namespace {

using TClock = std::chrono::steady_clock;

constexpr int lineCount = 1000000;
constexpr int onceLine = lineCount - 1000;
constexpr int everyTenth = 10;
const char* const onceWord = "NeedleWord";
const char* const replacedWord = "replaceme";
const char* const replacement = "done";

// 38 characters and CR LF a line: VBScript-like statements, padded.
std::string MakeDocument() {
    std::string text;
    text.reserve(static_cast<size_t>(lineCount) * 40);
    char line[96];
    for (int i = 0; i < lineCount; ++i) {
        int n = bench::VbScriptLine(line, sizeof line, i);
        if (i == onceLine)
            n += std::snprintf(line + n, sizeof line - n, " %s", onceWord);
        else if (i % everyTenth == 5)
            n += std::snprintf(line + n, sizeof line - n, " %s", replacedWord);
        for (; n < 38; ++n)
            line[n] = n % 2 ? ' ' : '.';
        text.append(line, n);
        text += "\r\n";
    }
    return text;
}

std::string WriteTempFile(const std::string& text) {
    char name[] = "/tmp/search_bench_XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0 || write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        std::abort();
    close(fd);
    return name;
}

double Seconds(TClock::time_point since) {
    return std::chrono::duration<double>(TClock::now() - since).count();
}

// The time from spawning the command to its end, its output going nowhere.
double RunChild(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = TClock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        std::abort();
    int status = 0;
    waitpid(pid, &status, 0);
    const double t = Seconds(start);
    posix_spawn_file_actions_destroy(&actions);
    return t;
}

double BestChild(const std::vector<std::string>& args) {
    double best = 1e9;
    for (int round = 0; round < 5; ++round)
        best = std::min(best, RunChild(args));
    return best;
}

std::u16string U(const char* s) {
    return std::u16string(s, s + std::char_traits<char>::length(s));
}

// The best of five searches from the top for the word that occurs once.
double BestFind(TMemoSource& m, const char* word, bool caseSensitive) {
    TSearchOptions& o = TSearchOptions::Global();
    o = TSearchOptions();
    o.TextToFind = U(word);
    o.CaseSensitive = caseSensitive;
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        m.SetCaret(0, 0);
        const auto start = TClock::now();
        const bool found = m.Find();
        best = std::min(best, Seconds(start));
        if (!found || m.CaretLine() != onceLine)
            std::abort();
    }
    return best;
}

} // namespace

int main() {
    const std::string text = MakeDocument();
    const std::string file = WriteTempFile(text);
    std::printf("document_chars: %zu\n", text.size());

    TMemoSource m;
    m.Lines().SetText(std::u16string(text.begin(), text.end()));

    const double findCase = BestFind(m, onceWord, true);
    const double grepCase = BestChild({"grep", "-F", "-c", onceWord, file});
    std::u16string lower = U(onceWord);
    for (auto& c : lower)
        c = c >= u'A' && c <= u'Z' ? c + 0x20 : c;
    const double findNoCase = BestFind(m, std::string(lower.begin(), lower.end()).c_str(), false);
    const double grepNoCase = BestChild({"grep", "-F", "-i", "-c", onceWord, file});
    std::printf("find_case_sensitive_ms: %.1f\n", findCase * 1000);
    std::printf("grep_F_ms: %.1f\n", grepCase * 1000);
    std::printf("find_case_sensitive_ratio: %.2f\n", findCase / grepCase);
    std::printf("find_ignoring_case_ms: %.1f\n", findNoCase * 1000);
    std::printf("grep_F_i_ms: %.1f\n", grepNoCase * 1000);
    std::printf("find_ignoring_case_ratio: %.2f\n", findNoCase / grepNoCase);

    TSearchOptions& o = TSearchOptions::Global();
    o = TSearchOptions();
    o.TextToFind = U(replacedWord);
    o.ReplaceWith = U(replacement);
    o.CaseSensitive = true;
    o.ReplaceAll = true;
    m.SetCaret(0, 0);
    int notifications = 0;
    TComponent view;
    m.AttachView([&](TCustomMemoSource&, int, int) { ++notifications; }, &view, false);
    const auto start = TClock::now();
    m.Replace();
    const double replaceAll = Seconds(start);
    if (m.ReplacementCount() != lineCount / everyTenth)
        std::abort();
    const std::string script = std::string("s/") + replacedWord + "/" + replacement + "/g";
    const double sed = BestChild({"sed", script, file});
    std::printf("replacements: %d\n", m.ReplacementCount());
    std::printf("replace_all_ms: %.1f\n", replaceAll * 1000);
    std::printf("sed_ms: %.1f\n", sed * 1000);
    std::printf("replace_all_ratio: %.2f\n", replaceAll / sed);
    std::printf("replace_all_notifications: %d\n", notifications);
    m.DetachView(&view);
    std::remove(file.c_str());
    std::printf("ratio=%.2f\n", std::max(findCase / grepCase, findNoCase / grepNoCase));
}
