#include "app/StringHelpers.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

std::string formatString(const char* format, ...)
{
    if (!format)
        return std::string();

    va_list args;
    va_start(args, format);
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);

    std::string result;
    if (length > 0)
    {
        // Measured first, so the text is never cut or written past its end.
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        result.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    return result;
}

std::vector<std::string> splitString(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    std::string current;
    for (char c : text)
    {
        if (c == separator)
        {
            pieces.push_back(current);
            current.clear();
        }
        else
        {
            current += c;
        }
    }
    if (!current.empty())
        pieces.push_back(current);
    return pieces;
}

std::string replaceAll(std::string& text, const std::string& search, const std::string& replacement)
{
    if (search.empty())
        return text;
    // Capped, because a replacement that holds the search text is found again.
    for (int pass = 0; pass < 100; ++pass)
    {
        const size_t at = text.find(search);
        if (at == std::string::npos)
            break;
        text.replace(at, search.size(), replacement);
    }
    return text;
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::string insertBeforeExtension(const std::string& fileName, const std::string& text)
{
    const size_t dot = fileName.find('.');
    if (dot == std::string::npos)
        return fileName + text;
    return fileName.substr(0, dot) + text + fileName.substr(dot);
}

std::string dotPaddedNumber(int number, const std::string& prefix)
{
    std::string text = prefix + std::to_string(number);
    if (text.size() < 7)
        text.insert(0, 7 - text.size(), '.');
    return text;
}

bool parseLeadingInt(const std::string& text, int& value)
{
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(start, &end, 10);
    if (end == start)
        return false;
    if (errno == ERANGE || parsed > INT_MAX || parsed < INT_MIN)
        return false;
    value = static_cast<int>(parsed);
    return true;
}
