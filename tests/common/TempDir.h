#pragma once
// A fresh folder under the system's temp directory, removed with the object.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace bhmtest {

class TempDir {
public:
    TempDir() {
        std::string templ = (std::filesystem::temp_directory_path() / "bhm_test_XXXXXX").string();
        char* made = mkdtemp(templ.data());
        path_ = made ? std::filesystem::path(made) : std::filesystem::path();
    }
    ~TempDir() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the game writes it: with a trailing separator.
    std::string folder() const { return path_.string() + "/"; }

    void write(const std::string& rel, const std::string& bytes) const {
        auto p = path_ / rel;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::string read(const std::string& rel) const {
        std::ifstream in(path_ / rel, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return std::move(bytes).str();
    }

private:
    std::filesystem::path path_;
};

}  // namespace bhmtest
