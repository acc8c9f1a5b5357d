#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <cstdint>
#include <string>
#include <vector>

class CitizenRecord;
class GameObject;
class UIText;

// One line of a high-score table.
struct HighScoreEntry
{
    std::string initials = "   "; // at most three characters
    int16_t score = 0;
};

// The ten best scores of one zone, mode and difficulty.
struct HighScoreTable
{
    int32_t keyMode = 0; // the game mode minus 1
    int32_t keyDifficulty = 0;
    int32_t keyZone = 0;
    std::vector<HighScoreEntry> entries; // best first, always ten
};

// One victim of the run, for the murder list and the newspaper pages.
struct MurderRecord
{
    std::string line;
    std::string news;
    std::string record;
};

// The high-score tables in "tallowind_hs.dat" (with the one-time import of
// the older "highscores.dat"), and the end-of-run screens that show a run's
// summary, take the player's initials and show the table (HighScoresRunEnd.cpp).
class HighScores : public Singleton<HighScores>
{
public:
    static constexpr const char* kFileName = "tallowind_hs.dat";
    static constexpr const char* kOldFileName = "highscores.dat";
    static constexpr uint32_t kFileVersion = 1;
    static constexpr int kEntriesPerTable = 10;
    static constexpr int kZones = 3;
    static constexpr int kModeIndices = 4;
    static constexpr int kDifficulties = 3;
    // The driver's open-window kinds while the end-of-run screens are up: the
    // summary with the initials entry or prompt, then the table.
    static constexpr int kSummaryWindow = 4;
    static constexpr int kTableWindow = 5;

    // The store when something in this session has made it, else null: made
    // afresh, it reads (and may repair) the score file.
    static HighScores* existingInstance();

    // The score file. save says whether the tables were written; a failure is
    // told on screen, and the tables are written again by saveIfUnsaved.
    void load();
    bool save();
    void saveIfUnsaved();
    void createDefaults();
    HighScoreTable* findTable(int32_t zone, int32_t difficulty, int32_t modeIndex);
    int32_t rankOf(int32_t zone, int32_t score);
    bool qualifies(int32_t zone, int32_t score);
    void insertScore(int32_t zone, int32_t rank, int32_t score);
    const std::vector<HighScoreTable>& tableList() const { return tables; }

    // The end-of-run screens.
    void showRunSummary();
    std::string ratingLine() const;
    void showTable(int32_t zone, cocos2d::Node** slot, int32_t highlight, int32_t extraScore);
    std::string tableText(int32_t zone, int32_t highlight, int32_t extraScore);
    void showInitialsEntry();
    void onKeyPressed(int32_t key);
    void onPadButton(int32_t button);
    void typeLetter(char letter);
    bool eraseLetter();
    void changeLetter(int32_t step);
    void confirmLetter();
    void submitInitials();
    // A new entry of initials begins (a run ends or the level is reloaded).
    void resetInitials();

    // The run's victims.
    // Appends a victim of the player to the run's murder list. Everything is
    // copied from the record at once: the body and its record may be freed
    // long before the newspaper is read. hasCriminalRecord is the NPC's
    // contract-target flag; found tells a body found from a disappearance.
    void recordMurder(const CitizenRecord& victim, bool hasCriminalRecord, bool found);
    // A body leaving the game: only a citizen the player killed goes on the
    // list; hunters, bodyguards and contacts were nobody's innocents.
    void recordVictim(const GameObject* body, bool found);
    void addMurder(const MurderRecord& murder);
    std::string buildNewspaper(int32_t kind, int32_t first, int32_t end) const;
    void closeScreens();
    void clearMurders();
    const std::vector<MurderRecord>& murderList() const { return murders; }

    // The coloured victim line of the murder list: name, age and gender.
    static std::string murderLine(const std::string& name, int32_t age, int32_t gender);

    cocos2d::Node** tableNodeSlot = nullptr;
    int32_t shownZone = -1;
    int32_t highlightRank = -1;
    bool entering = false;
    int32_t cursor = -1;
    std::string typedInitials;
    UIText* summaryNode = nullptr;
    UIText* initialsNode = nullptr;
    UIText* promptNode = nullptr;

private:
    friend class Singleton<HighScores>;
    HighScores();

    HighScoreTable* currentTable(int32_t zone);
    // Reads the file's tables into the list; false at damage, with every
    // whole table before it in the list.
    bool readTables(const std::string& bytes, size_t& badOffset, std::string& problem);
    // Adds an empty table for every zone, mode and difficulty that has none.
    void addMissingTables();
    // Moves a score file that does not read aside, and tells the player.
    void keepDamagedFileAside(const std::string& path, size_t badOffset, const std::string& problem);
    void importOldFile();
    bool readOldFile(const std::string& bytes);
    std::string encodeTables() const;

    bool highScoreMode() const;
    void playTypingTick();
    UIText* addText(UIText* text, cocos2d::Vec2 anchor, cocos2d::Vec2 position);
    static void dropText(UIText*& node);
    void removeRunEndTexts();
    void finishEntry();

    std::vector<HighScoreTable> tables;
    std::vector<MurderRecord> murders;
    // A damaged score file that could not be moved aside is never written over.
    bool saveBlocked = false;
    // The tables hold a change the last save could not write.
    bool unsaved = false;
};
