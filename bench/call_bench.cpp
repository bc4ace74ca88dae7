// Cost of a script routine call through the scripter, against the same call
// made raw (GetIDsOfNames + Invoke) on an engine of the same kind.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "script/ax_runner.h"
#include "script/runner_classes.h"
#include "script/scripter.h"

using namespace tessorin;

namespace {

constexpr int kCalls = 100000;
const std::vector<std::u16string> kScript = {u"Function F(x)", u"  F = x + 1", u"End Function"};

std::u16string JoinedScript() {
    std::u16string text;
    for (auto& line : kScript)
        text += line + u"\r\n";
    return text;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

template <class TCall> double Time(TCall call) {
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kCalls; ++i)
        call(i);
    QueryPerformanceCounter(&stop);
    return Seconds(start, stop);
}

constexpr int kRounds = 5;

double ScripterCalls(TDCScripter& scripter) {
    VARIANT result;
    VariantInit(&result);
    std::vector<VARIANT> args(1);
    double seconds = Time([&](int i) {
        args[0].vt = VT_I4;
        args[0].lVal = i;
        scripter.RunRoutineArgs(u"F", args, result);
    });
    VariantClear(&result);
    return seconds;
}

double RawCalls(IDispatch* dispatch) {
    VARIANT arg, result;
    VariantInit(&result);
    return Time([&](int i) {
        wchar_t name[] = L"F";
        LPOLESTR names[] = {name};
        DISPID id;
        dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
        arg.vt = VT_I4;
        arg.lVal = i;
        DISPPARAMS params{&arg, nullptr, 1, 0};
        VariantClear(&result);
        dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
    });
}

} // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    TDCScripter scripter;
    scripter.SetLanguage(u"VBScript");
    scripter.SetScript(kScript);
    VARIANT ignored;
    VariantInit(&ignored);
    scripter.Run(ignored);

    auto runner = CreateScriptRunner(VbScriptRunnerClass(), u"");
    runner->Execute(JoinedScript());
    auto* dispatch = runner->GetScriptDispatch();

    // Interleaved rounds, best of each: the machine's noise hits both alike.
    double raw = 1e9, ours = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        raw = std::min(raw, RawCalls(dispatch));
        ours = std::min(ours, ScripterCalls(scripter));
    }
    std::printf("calls: %d per round, best of %d rounds\n", kCalls, kRounds);
    std::printf("raw_us_per_call: %.3f\n", raw * 1e6 / kCalls);
    std::printf("scripter_us_per_call: %.3f\n", ours * 1e6 / kCalls);
    std::printf("ratio=%.3f\n", ours / raw);
    CoUninitialize();
    return 0;
}
