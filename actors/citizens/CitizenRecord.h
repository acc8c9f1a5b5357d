#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The identity and life of one person of the city: name, gender, age,
// partner and children, look, character traits and the citizens it knows.
// Made at random when an NPC is spawned or a contract names a target; owned
// by that NPC or contract. After construction only the friends, the spawned
// and resident flags and what the spawners and contracts set change.
class CitizenRecord
{
public:
    // The look of the rare citizen who takes the fixed special identity.
    static constexpr int kSpecialAppearance = 3006;

    explicit CitizenRecord(bool contact);

    // "`9Male", "`5Female" or "`7Other", for the hover panel and the dealer.
    std::string getGenderText() const;
    bool knowsCitizen(int32_t citizenId) const;

    // The text with every pronoun, name and age token filled in for this
    // citizen; other text and colour mark-up are kept.
    std::string expandTemplate(const std::string& text) const;
    // A newspaper line about the body (found) or the disappearance.
    std::string getObituaryText(bool found) const;
    // A newspaper paragraph followed by the criminal-record line.
    std::string getCriminalRecordText(bool hasRecord, bool found) const;

    int32_t id = 0;
    bool smoker = false;
    bool paranoid = false;
    bool laidBack = false;
    bool contact = false;
    int32_t age = 0;
    int32_t gender = 0;        // 0 female, 1 male, 2 other
    float secondTrait = 0.0f;
    float armedTrait = 0.0f;   // above 70 means the citizen carries a gun
    bool resident = false;
    float courage = 0.0f;
    std::string firstName;
    std::string lastName;      // may be empty
    std::string fullName;
    bool married = false;
    bool sharesSurname = false;
    int32_t partnerGender = 0;
    std::string partnerFirstName;
    std::string partnerLastName;
    std::string partnerFullName;
    int32_t childrenFirst = 0;
    int32_t childrenSecond = 0;
    int32_t appearanceId = 0;
    bool gangMember = false;
    bool spawned = false;
    std::vector<int32_t> friends;

private:
    void drawGender();
    void drawArmedTrait();
    void drawNames();
    void drawAppearance();
    // The partner (when married) and the children.
    void drawFamily();
    void drawPartner(int& allowedChildren);
    void drawChildren(int allowedChildren);
    void applyContactAndGang(bool isContact);
};

// Joins the given and family name with one space, leaving out an empty part.
std::string joinName(const std::string& first, const std::string& last);
