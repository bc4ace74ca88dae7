// Cost of Karvel's PlotEvent round trip into a one-line script function,
// against a round trip to a Karvel simulator method that does nothing: both
// are calls through a vtable into another process.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "automation/karvel_client.h"
#include "karvel_h.h"
#include "platform/com_ptr.h"
#include "tessorin_h.h"

using namespace tessorin;

namespace {

constexpr int kCalls = 5000;
constexpr int kRounds = 5;

std::wstring BinFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path);
    return full.substr(0, full.find_last_of(L"\\/"));
}

void RunToEnd(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

std::wstring WriteScript() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"plot_bench.vbs";
    const char text[] = "Function PlotEvent(line)\r\n  PlotEvent = line\r\nEnd Function\r\n";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
    return path;
}

template <class TCall> double SecondsFor(TCall call) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kCalls; ++i)
        call();
    QueryPerformanceCounter(&stop);
    return double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

template <class T> TComPtr<T> Create(const CLSID& clsid, const IID& iid) {
    TComPtr<T> object;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, iid, object.PutVoid());
    if (FAILED(hr))
        std::fprintf(stderr, "cannot create a server object: 0x%08lX\n",
                     static_cast<unsigned long>(hr));
    return object;
}

} // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    RunToEnd(L"\"" + BinFolder() + L"\\karvelsim.exe\" /regserver");
    RunToEnd(L"\"" + BinFolder() + L"\\tessorin.exe\" /regserver");
    auto tool = Create<Itessorinx>(CLSID_tessorinx, IID_Itessorinx);
    auto karvel = Create<IKarvelx>(tessorin::CLSID_Karvelx, tessorin::IID_IKarvelx);
    if (!tool || !karvel)
        return 1;
    VARIANT script;
    VariantInit(&script);
    script.vt = VT_BSTR;
    script.bstrVal = SysAllocString(WriteScript().c_str());
    tool->RunScript(script);
    VariantClear(&script);

    VARIANT line, result;
    VariantInit(&line);
    VariantInit(&result);
    line.vt = VT_BSTR;
    line.bstrVal = SysAllocString(L"G1 X10 Y20");
    // Interleaved rounds, best of each: the machine's noise hits both alike.
    double plot = 1e9, null = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        null = std::min(null, SecondsFor([&] { karvel->NOP(); }));
        plot = std::min(plot, SecondsFor([&] {
                            tool->PlotEvent(line, &result);
                            VariantClear(&result);
                        }));
    }
    VariantClear(&line);
    std::printf("calls: %d per round, best of %d rounds\n", kCalls, kRounds);
    std::printf("null_us_per_call: %.1f\n", null * 1e6 / kCalls);
    std::printf("plot_us_per_call: %.1f\n", plot * 1e6 / kCalls);
    std::printf("ratio=%.3f\n", plot / null);
    karvel.Reset();
    tool.Reset();
    CoUninitialize();
    return 0;
}
