#include "platform/SafeFileWriter.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTemporarySuffix = ".tmp";
// A process that finds every name taken has met something stranger than leftovers.
constexpr int kNameAttempts = 1000;

std::string folderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

bool allDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
    {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Numbers the temporary files of this process, so two writes never share one.
unsigned long nextTemporaryNumber()
{
    static unsigned long counter = 0;
    return counter++;
}

} // namespace

SafeFileWriter::SafeFileWriter(std::string path) : _path(std::move(path)) {}

SafeFileWriter::~SafeFileWriter()
{
    discardTemporary();
}

bool SafeFileWriter::stage(const std::string& bytes)
{
    discardTemporary();
    _result = Result();
    // Named "<target>.<process>.<number>.tmp": unique among the processes running, and the
    // exclusive creation refuses a name a dead process left behind.
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt)
    {
        _temporary = _path + "." + std::to_string(getpid()) + "." + std::to_string(nextTemporaryNumber()) +
                     kTemporarySuffix;
        fd = open(_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
    {
        const int error = errno;
        _temporary.clear();
        return fail(error);
    }
    const bool written = writeAll(fd, bytes) && fsync(fd) == 0;
    const int error = errno;
    if (close(fd) != 0 && written)
        return fail(errno);
    if (!written)
        return fail(error);
    _staged = true;
    return true;
}

bool SafeFileWriter::commit()
{
    if (!_staged)
        return false;
    if (std::rename(_temporary.c_str(), _path.c_str()) != 0)
        return fail(errno);
    _staged = false;
    _temporary.clear();
    // The new name must reach the disk too, or a power cut could bring back the old file
    // (or none). The file itself is whole by now, so a folder that cannot be synced is only noted.
    syncFolder(folderOf(_path));
    _result = Result();
    _result.written = true;
    return true;
}

SafeFileWriter::Result SafeFileWriter::write(const std::string& path, const std::string& bytes)
{
    SafeFileWriter writer(path);
    if (writer.stage(bytes))
        writer.commit();
    return writer.result();
}

bool SafeFileWriter::fail(int errorNumber)
{
    discardTemporary();
    _result.written = false;
    _result.reason = reasonFor(errorNumber);
    return false;
}

void SafeFileWriter::discardTemporary()
{
    if (!_temporary.empty())
        unlink(_temporary.c_str());
    _temporary.clear();
    _staged = false;
}

bool SafeFileWriter::writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
        {
            if (wrote == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<size_t>(wrote);
    }
    return true;
}

void SafeFileWriter::syncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // Some file systems cannot sync a folder (EINVAL); they keep renames in order themselves.
    if (fd < 0 || (fsync(fd) != 0 && errno != EINVAL))
        std::fprintf(stderr, "Tallowind: the folder %s could not be synced to the disk: %s\n", folder.c_str(),
                     std::strerror(errno));
    if (fd >= 0)
        close(fd);
}

std::string SafeFileWriter::reasonFor(int errorNumber)
{
    switch (errorNumber)
    {
    case ENOSPC:
    case EDQUOT:
        return "the disk is full";
    case EROFS:
        return "the folder is read-only";
    case EACCES:
    case EPERM:
        return "the folder may not be written to";
    case ENOENT:
    case ENOTDIR:
        return "its folder is missing, or is a file";
    case EISDIR:
        return "a folder stands in its place";
    case EFBIG:
        return "it is larger than the system allows";
    case EIO:
        return "the disk reported an error";
    default:
        break;
    }
    std::string text = std::strerror(errorNumber);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

pid_t SafeFileWriter::writerOf(const std::string& fileName, std::string& target)
{
    if (!endsWith(fileName, kTemporarySuffix))
        return 0;
    const std::string stem = fileName.substr(0, fileName.size() - std::strlen(kTemporarySuffix));
    const size_t numberDot = stem.rfind('.');
    if (numberDot == std::string::npos || numberDot == 0 || !allDigits(stem.substr(numberDot + 1)))
        return 0;
    const size_t processDot = stem.rfind('.', numberDot - 1);
    if (processDot == std::string::npos || processDot == 0)
        return 0;
    const std::string process = stem.substr(processDot + 1, numberDot - processDot - 1);
    if (!allDigits(process) || process.size() > 9)
        return 0;
    target = stem.substr(0, processDot);
    return static_cast<pid_t>(std::stol(process));
}

void SafeFileWriter::removeLeftovers(const std::string& folder,
                                     const std::function<bool(const std::string&)>& ours)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    {
        std::string target;
        const pid_t writer = writerOf(it->path().filename().string(), target);
        std::error_code typeError;
        // The player keeps files of their own beside the game's; a name that merely has the
        // shape of a temporary is none of the game's business.
        if (writer <= 0 || !ours(target) || !it->is_regular_file(typeError))
            continue;
        // A process that still runs may be writing it now (or is another that took its number).
        const bool running = kill(writer, 0) == 0 || errno == EPERM;
        std::error_code removeError;
        if (!running)
            fs::remove(it->path(), removeError);
    }
}
