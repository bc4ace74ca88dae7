#pragma once
// A folder of its own for a test, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tessorin::testing {

class TTempFolder {
public:
    TTempFolder() {
        std::random_device random;
        FPath = std::filesystem::temp_directory_path() /
                ("tessorin-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(FPath);
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    std::u16string File(const std::string& name) const { return (FPath / name).u16string(); }

private:
    std::filesystem::path FPath;
};

inline void WriteBytes(const std::u16string& file, const std::string& bytes) {
    std::ofstream(std::filesystem::path(file), std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::u16string& file) {
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The names in a folder, to see that nothing was left behind.
inline std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tessorin::testing
