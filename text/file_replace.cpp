#include "text/file_replace.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "core/exception.h"

namespace tessorin {
namespace fs = std::filesystem;
namespace {

std::u16string Hex(unsigned value) {
    std::u16string s;
    for (int shift = 28; shift >= 0; shift -= 4)
        s.push_back(u"0123456789ABCDEF"[(value >> shift) & 0xF]);
    return s;
}

// A new, empty file beside the target whose name starts with the target's.
fs::path CreateTemporaryFile(const fs::path& target, std::ofstream& out) {
    std::random_device random;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path name =
            folder / (target.filename().u16string() + u"." + Hex(random()) + u".tmp");
        std::error_code error;
        if (fs::exists(name, error) || error)
            continue;
        out.open(name, std::ios::binary | std::ios::trunc);
        if (out)
            return name;
    }
    throw TException(u"Can't create temporary filename");
}

void Discard(const fs::path& file) {
    std::error_code ignored;
    fs::remove(file, ignored);
}

void WriteAll(std::ofstream& out, std::string_view bytes, const fs::path& temporary,
              const std::u16string& target) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool written = out.good();
    out.close();
    if (!written || out.fail()) {
        Discard(temporary);
        throw TException(u"Can't write file " + target);
    }
}

void KeepPermissions(const fs::path& from, const fs::path& to) {
    std::error_code error;
    const fs::perms perms = fs::status(from, error).permissions();
    if (!error)
        fs::permissions(to, perms, error);
}

void Rename(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    if (error)
        throw TException(u"Can't rename file " + from.u16string() + u" to file " + to.u16string());
}

void MakeBackup(const fs::path& target, const fs::path& backup, const fs::path& temporary) {
    std::error_code error;
    if (fs::exists(backup, error) && !fs::remove(backup, error)) {
        Discard(temporary);
        throw TException(u"Can't delete file " + backup.u16string());
    }
    if (!fs::exists(target, error))
        return;
    try {
        Rename(target, backup);
    } catch (...) {
        Discard(temporary);
        throw;
    }
}

} // namespace

std::u16string BackupFileName(const std::u16string& fileName) {
    const size_t slash = fileName.find_last_of(u"/\\");
    const size_t dot = fileName.rfind(u'.');
    if (dot == std::u16string::npos || (slash != std::u16string::npos && dot < slash))
        return fileName + u".~";
    std::u16string extension = u".~" + fileName.substr(dot + 1);
    extension.resize(std::min<size_t>(extension.size(), 4));
    return fileName.substr(0, dot) + extension;
}

void ReplaceFile(const std::u16string& target, std::string_view bytes,
                 const std::u16string* backup) {
    const fs::path targetPath(target);
    std::ofstream out;
    const fs::path temporary = CreateTemporaryFile(targetPath, out);
    WriteAll(out, bytes, temporary, target);
    KeepPermissions(targetPath, temporary);
    if (backup)
        MakeBackup(targetPath, fs::path(*backup), temporary);
    try {
        Rename(temporary, targetPath);
    } catch (...) {
        Discard(temporary);
        // Put the old file back where the backup step moved it.
        std::error_code ignored;
        if (backup && !fs::exists(targetPath, ignored))
            fs::rename(fs::path(*backup), targetPath, ignored);
        throw;
    }
}

std::string ReadFileBytes(const std::u16string& fileName) {
    std::ifstream in(fs::path(fileName), std::ios::binary);
    if (!in)
        throw TException(u"Can't open file " + fileName);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::string bytes(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (size < 0 || in.gcount() != static_cast<std::streamsize>(bytes.size()))
        throw TException(u"Can't read file " + fileName);
    return bytes;
}

} // namespace tessorin
