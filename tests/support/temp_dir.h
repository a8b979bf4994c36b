#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace korvalin::testing {

// A fresh folder that is removed with everything in it at the end of the
// test; optionally the working directory while the test runs.
class TempDir {
public:
    enum class Enter { No, Yes };

    explicit TempDir(Enter enter = Enter::No)
    {
        // A name no other test has taken, as mkdtemp makes one.
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::filesystem::path folder =
                std::filesystem::temp_directory_path() / ("korvalin-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(folder, error))
                path_ = folder;
        }
        if (enter == Enter::Yes && !path_.empty()) {
            previous_ = std::filesystem::current_path();
            std::filesystem::current_path(path_);
        }
    }
    ~TempDir()
    {
        if (!previous_.empty())
            std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace korvalin::testing
