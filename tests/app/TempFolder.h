#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A fresh folder under the system's temporary folder, removed afterwards.
// Pointing the game's saves folder at it keeps tests away from the tree.
class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallowind-app-XXXXXX").string();
        if (char* made = mkdtemp(pattern.data()))
            _path = made;
    }
    ~TempFolder()
    {
        std::error_code ec;
        if (!_path.empty())
            std::filesystem::remove_all(_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return _path; }
    std::string file(const std::string& name) const { return _path + "/" + name; }

    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        return buffer.str();
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }

private:
    std::string _path;
};

// Points the saves folder at a temporary folder for the life of the object.
class ScopedSavesFolder
{
public:
    explicit ScopedSavesFolder(const std::string& folder)
    {
        if (const char* old = std::getenv("TALLOWIND_SAVES"))
        {
            _hadOld = true;
            _old = old;
        }
        setenv("TALLOWIND_SAVES", folder.c_str(), 1);
    }
    ~ScopedSavesFolder()
    {
        if (_hadOld)
            setenv("TALLOWIND_SAVES", _old.c_str(), 1);
        else
            unsetenv("TALLOWIND_SAVES");
    }
    ScopedSavesFolder(const ScopedSavesFolder&) = delete;
    ScopedSavesFolder& operator=(const ScopedSavesFolder&) = delete;

private:
    bool _hadOld = false;
    std::string _old;
};
