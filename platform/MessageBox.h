#pragma once
// A blocking message box with an OK button, for the failures that end the program
// (for example "ERROR: OpenGL initialisation failed. Exiting." titled "Critical Error").
//
// The text always goes to stderr as "title: text". When a display is available and zenity or
// xmessage is installed, it is also shown as a dialog and show() returns once the user closes it.
#include <string>
#include <vector>

class MessageBox
{
public:
    static void show(const std::string& text, const std::string& title);

private:
    static bool displayAvailable();
    static bool showDialog(const std::string& text, const std::string& title);
    static std::string findProgram(const std::string& name);
    static bool runAndWait(const std::string& program, const std::vector<std::string>& args);
};
