#pragma once
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the object goes. When no folder can be made,
// path() is empty and nothing is removed.
class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string& prefix = "tallowind");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return _path; }
    std::filesystem::path dir() const { return _path; }
    std::string file(const std::string& name) const { return _path + "/" + name; }
    // Writes the bytes to the named file in the folder; gives the file's path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::string _path;
};
