#include "world/DataFileProblem.h"

std::string DataFileProblem::describe() const
{
    std::string text = file;
    if (line > 0)
        text += ":" + std::to_string(line);
    text += ": ";
    if (severity == Warning)
        text += "warning: ";
    return text + message;
}
