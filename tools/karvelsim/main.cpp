// karvelsim.exe: a stand-in for Karvel's automation server.
//   karvelsim /regserver [/log <file>] [/scripts <folder>]
//   karvelsim /unregserver
//   karvelsim [-Embedding]      (started by COM, or by hand to watch calls)
#include <initguid.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "core/exception.h"
#include "karvel_h.h"
#include "karvel_object.h"
#include "platform/dispatch_object.h"
#include "platform/win_text.h"
#include "registration.h"
#include "sim_log.h"

using namespace tessorin;

namespace {

std::u16string Switch(const std::wstring& argument) {
    if (argument.empty() || (argument[0] != L'-' && argument[0] != L'/'))
        return {};
    std::wstring name = argument.substr(1);
    CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
    return FromWide(name);
}

std::u16string ValueAfter(const std::vector<std::wstring>& args, const std::u16string& name) {
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (Switch(args[i]) == name)
            return FromWide(args[i + 1]);
    return {};
}

bool HasSwitch(const std::vector<std::wstring>& args, const std::u16string& name) {
    for (auto& arg : args)
        if (Switch(arg) == name)
            return true;
    return false;
}

int Register(const std::vector<std::wstring>& args, bool install) {
    try {
        if (install)
            karvelsim::RegisterServer(ValueAfter(args, u"LOG"), ValueAfter(args, u"SCRIPTS"));
        else
            karvelsim::UnregisterServer();
        return 0;
    } catch (const TException& error) {
        MessageBoxW(nullptr, ToWide(error.Message()).c_str(), L"Karvel Simulator",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}

int Serve(HINSTANCE instance, bool embedded) {
    karvelsim::OpenLogWindow(instance, embedded);
    DWORD cookie = 0;
    try {
        cookie = RegisterServerClass(CLSID_Karvelx, MakeServerObject<karvelsim::TKarvelObject>,
                                     embedded);
    } catch (const TException& error) {
        karvelsim::LogCall(u"cannot serve: " + error.Message());
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    RevokeServerClass(cookie);
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args(argv + 1, argv + count);
    LocalFree(argv);

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int exitCode;
    if (HasSwitch(args, u"REGSERVER"))
        exitCode = Register(args, true);
    else if (HasSwitch(args, u"UNREGSERVER"))
        exitCode = Register(args, false);
    else
        exitCode = Serve(instance, HasSwitch(args, u"EMBEDDING"));
    CoUninitialize();
    return exitCode;
}
