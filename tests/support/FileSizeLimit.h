#pragma once
#include <csignal>
#include <cstddef>

#include <sys/resource.h>

// A disk that runs out of room, for one scope: no file this process writes may
// grow past the given size (the system's limit on a process's file size), so a
// write past it fails with a real error from the system, as on a full disk.
// The signal the system sends with that error is ignored while the limit
// holds; both are put back when the scope ends.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(size_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit _old{};
    void (*_oldHandler)(int) = SIG_DFL;
};
