#include "platform/text_file.h"

#include <windows.h>

#include "core/exception.h"
#include "platform/system_error.h"
#include "platform/win_text.h"
#include "text/text_encoding.h"

namespace tessorin {
namespace {

std::string ReadAllBytes(const std::u16string& fileName) {
    auto wideName = ToWide(fileName);
    HANDLE file = CreateFileW(wideName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw TException(u"Cannot open file \"" + fileName + u"\". " +
                         SysErrorMessage(HRESULT_FROM_WIN32(GetLastError())));
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    BOOL ok;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0)
        bytes.append(buffer, read);
    DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok)
        throw TException(u"Cannot read file \"" + fileName + u"\". " +
                         SysErrorMessage(HRESULT_FROM_WIN32(error)));
    return bytes;
}

} // namespace

std::vector<std::u16string> ReadTextFileLines(const std::u16string& fileName) {
    auto text = DecodeText(ReadAllBytes(fileName)).Text;
    if (text.find(u'\0') != std::u16string::npos)
        throw TException(u"Cannot load file \"" + fileName +
                         u"\": it is not a text file (it contains NUL characters)");
    return SplitLines(text);
}

std::vector<std::u16string> SplitLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::u16string JoinLines(const std::vector<std::u16string>& lines, std::u16string_view lineBreak) {
    std::u16string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            text += lineBreak;
        text += lines[i];
    }
    return text;
}

} // namespace tessorin
