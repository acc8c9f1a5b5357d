#pragma once
#include <string>
#include <vector>

using TextTable = std::vector<std::string>;

// The pronouns of one gender, as the news templates ask for them.
struct Pronouns
{
    std::string his, him, he, His, Him, He;
};

// The citizens' newspaper texts: obituaries of bodies found and notes of the
// missing, the four news lists of the criminal-record page (by married and
// found) and the offences. Templates carry the tokens that
// CitizenRecord::expandTemplate fills in.
class CitizenTexts
{
public:
    static constexpr const char* kCriminalRecordHeading = "\n`%Criminal record:`7 ";
    static constexpr const char* kNoRecord = "None";

    // 1 male, 0 female, any other gender the plural "they".
    static const Pronouns& pronounsOf(int gender);

    static const TextTable& foundDead();
    static const TextTable& missing();
    // The news line before the criminal record: with a partner or alone,
    // body found or missing.
    static const TextTable& newsList(bool married, bool found);
    static const TextTable& commonOffences();
    static const TextTable& rareOffences();

    // Whether the template quotes the partner's name.
    static bool namesPartner(const std::string& text);
};
