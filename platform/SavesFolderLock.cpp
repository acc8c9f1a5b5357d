#include "platform/SavesFolderLock.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The lock file of the folder this process holds, and its descriptor, kept open (and so
// locked) until the process ends.
std::string heldPath;
int heldDescriptor = -1;

}

SavesFolderLock::Outcome SavesFolderLock::acquire(const std::string& folder)
{
    const std::string path = folder + (folder.empty() || folder.back() == '/' ? "" : "/") + kFileName;
    if (heldDescriptor >= 0 && heldPath == path)
        return Outcome::Held;
    // Not inherited: a dialog program started by the game must not keep the folder locked
    // after the game has gone.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
    {
        std::fprintf(stderr, "Tallowind: %s: cannot be opened to lock the saves folder: %s\n", path.c_str(),
                     std::strerror(errno));
        return Outcome::Unavailable;
    }
    int locked = -1;
    do
        locked = flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0)
    {
        const int error = errno;
        close(fd);
        if (error == EWOULDBLOCK)
            return Outcome::HeldByAnother;
        std::fprintf(stderr, "Tallowind: %s: the saves folder cannot be locked: %s\n", path.c_str(),
                     std::strerror(error));
        return Outcome::Unavailable;
    }
    if (heldDescriptor >= 0)
        close(heldDescriptor);
    heldDescriptor = fd;
    heldPath = path;
    return Outcome::Held;
}
