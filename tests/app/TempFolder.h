#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/ScratchFolder.h"

// A scratch folder for the app tests, which also read back what the game
// wrote there. Pointing the game's saves folder at it keeps tests away from
// the tree.
class TempFolder : public ScratchFolder
{
public:
    TempFolder() : ScratchFolder("tallowind-app") {}

    std::string read(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        return buffer.str();
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
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
