#pragma once
// A private scratch folder for the fuzzers that feed file readers: the input
// is written there under the name the game reads, and the folder is emptied
// before every input so that files kept aside by one input never reach the
// next. It lives in memory (/dev/shm) when it can, since the readers rename,
// rewrite and sync files on every input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class FuzzFolder
{
public:
    explicit FuzzFolder(const char* name)
    {
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        _path = base / (std::string(name) + "-" + std::to_string(getpid()));
        fs::create_directories(_path, ec);
    }

    ~FuzzFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(_path, ec);
    }

    // Points the game's saves folder here.
    void useAsSavesFolder() const { setenv("TALLOWIND_SAVES", _path.c_str(), 1); }

    // Removes everything the last input left behind (kept-aside copies, rewrites).
    void empty() const
    {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(_path, ec))
            std::filesystem::remove_all(entry.path(), ec);
    }

    std::string file(const std::string& name) const { return (_path / name).string(); }

    void write(const std::string& name, const uint8_t* data, size_t size) const
    {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    bool exists(const std::string& name) const
    {
        std::error_code ec;
        return std::filesystem::exists(_path / name, ec);
    }

    const std::filesystem::path& path() const { return _path; }

private:
    std::filesystem::path _path;
};
