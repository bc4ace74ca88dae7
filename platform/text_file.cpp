#include "platform/text_file.h"

#include <windows.h>

#include "core/exception.h"
#include "platform/system_error.h"
#include "platform/win_text.h"

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

std::u16string DecodeAnsi(std::string_view bytes) {
    int size =
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return FromWide(text);
}

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        auto lo = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 1 : 0)]);
        auto hi = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 0 : 1)]);
        text[i] = static_cast<char16_t>(lo | (hi << 8));
    }
    return text;
}

std::u16string Decode(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return FromUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return DecodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return DecodeUtf16(bytes.substr(2), true);
    return DecodeAnsi(bytes);
}

} // namespace

std::vector<std::u16string> ReadTextFileLines(const std::u16string& fileName) {
    auto text = Decode(ReadAllBytes(fileName));
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
