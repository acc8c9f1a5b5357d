#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>

// A temporary saves folder shared by the test and the child processes its
// journeys run in. The test makes it and hands its path to the children
// through the environment (a child runs the test body again from the start
// and finds the path there); only the test that made it removes it.
class SharedSavesFolder
{
public:
    SharedSavesFolder()
    {
        if (const char* inherited = std::getenv(kVariable))
        {
            _path = inherited;
            return;
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "tallowind-e2e-XXXXXX").string();
        if (char* made = mkdtemp(pattern.data()))
        {
            _path = made;
            _owner = true;
            setenv(kVariable, _path.c_str(), 1);
        }
    }
    ~SharedSavesFolder()
    {
        if (!_owner)
            return;
        unsetenv(kVariable);
        std::error_code ec;
        std::filesystem::remove_all(_path, ec);
    }
    SharedSavesFolder(const SharedSavesFolder&) = delete;
    SharedSavesFolder& operator=(const SharedSavesFolder&) = delete;

    const std::string& path() const { return _path; }
    bool exists(const std::string& name) const { return std::filesystem::exists(_path + "/" + name); }

private:
    static constexpr const char* kVariable = "TALLOWIND_E2E_SAVES";
    std::string _path;
    bool _owner = false;
};
