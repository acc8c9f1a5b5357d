#include "platform/MessageBox.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

void MessageBox::show(const std::string& text, const std::string& title)
{
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    std::fflush(stderr);
    if (displayAvailable())
        showDialog(text, title);
}

bool MessageBox::displayAvailable()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

bool MessageBox::showDialog(const std::string& text, const std::string& title)
{
    std::string zenity = findProgram("zenity");
    if (!zenity.empty())
        return runAndWait(zenity, { "--info", "--no-markup", "--title=" + title, "--text=" + text });

    std::string xmessage = findProgram("xmessage");
    if (!xmessage.empty()) {
        // xmessage would read a leading '-' as an option of its own.
        std::string body = (!text.empty() && text[0] == '-') ? " " + text : text;
        return runAndWait(xmessage, { "-center", "-title", title, "-buttons", "OK:0", body });
    }
    return false;
}

std::string MessageBox::findProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    if (!path)
        return std::string();
    std::string folders = path;
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        std::string folder = folders.substr(start, end - start);
        if (!folder.empty()) {
            std::string candidate = folder + "/" + name;
            if (access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        start = end + 1;
    }
    return std::string();
}

bool MessageBox::runAndWait(const std::string& program, const std::vector<std::string>& args)
{
    // No shell: the texts are passed as arguments exactly as given.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) != 127;
}
