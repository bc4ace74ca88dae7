// Finds the slowest pattern that the matcher's fuzz generators produce on
// 10,000-character lines. Each pattern runs in a child process under an
// alarm, so a runaway pattern is cut off and reported instead of hanging
// the measurement. Prints "name: value" lines.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/exception.h"
#include "reg_expr_patterns.h"
#include "text/reg_expr.h"

using namespace tessorin;
using namespace tessorin::testing;

namespace {

constexpr int lineLength = 10000;
constexpr int patternsPerGenerator = 1500;
constexpr unsigned cutOffSeconds = 20;

struct TLine {
    const char* Name;
    std::u16string Text;
};

// A search of one row: forward from its start and backward from its end,
// as the search engine calls the matcher; both letter-case modes.
double SearchRows(const std::u16string& pattern, const std::vector<TLine>& lines) {
    const auto start = std::chrono::steady_clock::now();
    for (const bool caseSensitive : {true, false}) {
        TRegExpr expr(pattern, caseSensitive);
        for (const TLine& line : lines)
            for (const bool forward : {true, false}) {
                int position = forward ? 1 : lineLength, length = 0;
                expr.Match(line.Text, position, forward, length);
            }
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds the pattern took, or a negative value when the alarm cut it off.
double MeasureInChild(const std::u16string& pattern, const std::vector<TLine>& lines) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        alarm(cutOffSeconds);
        const double seconds = SearchRows(pattern, lines);
        if (write(pipeEnds[1], &seconds, sizeof seconds) != sizeof seconds)
            _exit(1);
        _exit(0);
    }
    close(pipeEnds[1]);
    double seconds = -1;
    if (read(pipeEnds[0], &seconds, sizeof seconds) != sizeof seconds)
        seconds = -1;
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? -1 : seconds;
}

bool Compiles(const std::u16string& pattern) {
    try {
        TRegExpr expr(pattern, true);
        return true;
    } catch (const TException&) {
        return false;
    }
}

std::vector<std::u16string> GeneratedPatterns() {
    std::vector<std::u16string> patterns;
    std::mt19937 flat(flatSeed);
    for (int k = 0; k < patternsPerGenerator; ++k)
        patterns.push_back(RandomText(flat, flatPatternChars, 10));
    std::mt19937 tree(treeSeed);
    for (int k = 0; k < patternsPerGenerator; ++k)
        patterns.push_back(Print(RandomSequence(tree, 0)));
    return patterns;
}

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

} // namespace

int main() {
    setvbuf(stdout, nullptr, _IOLBF, 0); // a long run shows its progress
    std::mt19937 rng(1);
    std::vector<TLine> lines = {
        {"random_pattern_characters", RandomText(rng, flatLineChars, lineLength)},
        {"random_tree_characters", RandomText(rng, treeLineChars, lineLength)},
        {"one_letter", std::u16string(lineLength, u'a')},
    };
    for (TLine& line : lines)
        line.Text.resize(lineLength, u'a');

    double slowest = 0;
    std::u16string slowestPattern;
    int measured = 0, cutOff = 0;
    std::vector<std::u16string> seen;
    for (const std::u16string& pattern : GeneratedPatterns()) {
        if (!Compiles(pattern) || std::find(seen.begin(), seen.end(), pattern) != seen.end())
            continue;
        seen.push_back(pattern);
        ++measured;
        const double seconds = MeasureInChild(pattern, lines);
        if (seconds < 0) {
            ++cutOff;
            std::printf("cut_off_after_%us: %s\n", cutOffSeconds, Narrow(pattern).c_str());
        } else if (seconds > slowest) {
            slowest = seconds;
            slowestPattern = pattern;
            std::printf("slower_ms: %.1f %s\n", seconds * 1000, Narrow(pattern).c_str());
        }
    }
    std::printf("patterns_measured: %d\n", measured);
    std::printf("patterns_cut_off: %d\n", cutOff);
    std::printf("slowest_pattern: %s\n", Narrow(slowestPattern).c_str());
    std::printf("slowest_ms: %.1f\n", slowest * 1000);
    // Nested repetitions try every split of a run between them.
    for (const char16_t* pattern : {u"{a*}*b", u"{{a*}*}*b", u"{a+}+b"}) {
        for (const int length : {16, 20, 24}) {
            const std::vector<TLine> run = {{"run", std::u16string(length, u'a')}};
            const double seconds = MeasureInChild(pattern, run);
            std::printf("nested_%s_on_%d_letters_ms: %.1f\n", Narrow(pattern).c_str(), length,
                        seconds < 0 ? -1 : seconds * 1000);
        }
    }
}
