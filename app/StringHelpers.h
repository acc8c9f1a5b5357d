#pragma once
#include <string>
#include <vector>

// printf-style formatting into a string of any length.
std::string formatString(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Pieces of text between separators; an empty piece between two separators is
// kept, a trailing empty piece is not ("a,,b," -> a, "", b).
std::vector<std::string> splitString(const std::string& text, char separator);

// Replaces the first occurrence of search, again and again from the start of
// the changed text, at most 100 times. Changes text and returns a copy.
std::string replaceAll(std::string& text, const std::string& search, const std::string& replacement);

bool startsWith(const std::string& text, const std::string& prefix);

// "base.png" with "01" gives "base01.png"; a name without '.' gets the text
// appended.
std::string insertBeforeExtension(const std::string& fileName, const std::string& text);

// prefix + number, led by dots up to seven characters ("42" -> ".....42").
std::string dotPaddedNumber(int number, const std::string& prefix);

// Reads the leading decimal integer of text the way atoi does (leading blanks,
// optional sign, digits). Returns false when no digit is found.
bool parseLeadingInt(const std::string& text, int& value);
