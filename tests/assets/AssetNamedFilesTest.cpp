// Pictures, sheets and sounds that the code loads by name, the font's frames,
// the name tables and the size limits of the delivered folder.
#include "AssetFiles.h"
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace AssetFiles;

namespace
{
std::string numbered(const char* format, int n)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, format, n);
    return buf;
}
}

TEST(AssetNamedFiles, FontHasEveryGlyphFrame)
{
    std::string plist = read(assetsDir() + "/dosfont.plist");
    ASSERT_FALSE(plist.empty());
    EXPECT_TRUE(exists("dosfont.png"));
    std::vector<std::string> frames = {
        "unknown", "tracker", "briefcase", "gun", "padlock", "smiley", "timer", "skull", "shield", "SPACE",
        "bang", "hash", "percent", "apostrophe", "leftbracket", "rightbracket", "asterisk", "plus", "comma",
        "minus", "period", "slash", "colon", "semicolon", "lt", "equals", "gt", "at", "leftbracketsquare",
        "backslash", "rightbracketsquare", "carat", "underscore", "grave"};
    for (char c = '0'; c <= '9'; ++c)
        frames.push_back(std::string(1, c));
    for (char c = 'A'; c <= 'Z'; ++c)
        frames.push_back(std::string(1, c));
    for (char c = 'a'; c <= 'z'; ++c)
        frames.push_back(std::string(1, c));
    for (const std::string& f : frames)
    {
        std::string key = "<key>CHAR_" + f + ".png</key>";
        size_t at = plist.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        // Every glyph is 5 x 8 so that 6-pixel columns and 9-pixel lines line up.
        EXPECT_NE(plist.find("<key>sourceSize</key><string>{5,8}</string>", at), std::string::npos) << key;
    }
}

TEST(AssetNamedFiles, SoundsTheCodePlaysExist)
{
    std::vector<std::string> names = {
        "Ad_AugmentedReality.mp3", "Ad_BrainSalt.mp3", "Ad_CleanNClear.wav", "Ad_Cosmetic.wav", "Ad_CyberLimb.wav",
        "Ad_Cybernetics.mp3", "Ad_DiscountBrothel.wav", "Ad_DoNotQuestion.mp3", "Ad_FindersFee.mp3",
        "Ad_Grenade.wav", "Ad_LegalTron.mp3", "Ad_NerveStapling.mp3", "Ad_OilHeater.mp3",
        "Ad_PersonalitySuppression.mp3", "Ad_PersonalityUpgrade.mp3", "Ad_Plants.mp3", "Ad_SpendMoney.mp3",
        "Ad_Thought.mp3", "Ad_Voting.mp3", "Ad_WetDream.mp3", "Ad_Yeah.mp3", "CD_Crap.wav", "CD_Error.wav",
        "CD_Filthy.wav", "CD_Garbage.wav", "CD_Grotty.wav", "CD_HumanRefuse.wav", "CD_Incinerate.wav",
        "CD_KeepClear1.wav", "CD_KeepClear2.wav", "CD_KeepClear3.wav", "blaster_charge.wav", "body_drop.wav",
        "body_pickup.wav", "body_splash.wav", "bullet_hit.wav", "bullet_ricochet1.wav", "bullet_ricochet2.wav",
        "buzzer_negative.wav", "camera_crime.wav", "cashregister.wav", "city_loop.wav", "cophack.wav",
        "emp_blast.wav", "explosion.wav", "flashbang.wav", "interface_beep.wav", "rain_loop.wav", "thunder1.wav",
        "thunder2.wav", "thunder_long.wav", "typing_1.wav", "typing_2.wav", "typing_3.wav",
        "Music_Cyberpunk_life.mp3", "menu.mp3", "comic.mp3", "chase.mp3", "death.mp3", "unlock.mp3"};
    for (int i = 1; i <= 14; ++i)
        names.push_back(numbered("Police_Patrol_%d.wav", i));
    for (int i = 1; i <= 3; ++i)
        names.push_back(numbered("Police_Scanning_%d.wav", i));
    for (int i = 1; i <= 7; ++i)
        names.push_back(numbered("Police_Combat_%d.wav", i));
    for (int i = 1; i <= 2; ++i)
        names.push_back(numbered("Police_Engaging_%d.wav", i));
    for (int i = 1; i <= 5; ++i)
        names.push_back(numbered("shotgunhit%d.wav", i));
    for (const std::string& n : names)
    {
        std::string bytes = read(assetsDir() + "/sfx/" + n);
        ASSERT_GT(bytes.size(), 44u) << n;
        if (n.size() > 4 && n.compare(n.size() - 4, 4, ".wav") == 0)
        {
            EXPECT_TRUE(bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "WAVE") == 0) << n;
        }
        else
            EXPECT_TRUE(bytes.compare(0, 3, "ID3") == 0 || (static_cast<unsigned char>(bytes[0]) == 0xFF))
                << n << " is not an MP3 stream";
    }
}

TEST(AssetNamedFiles, PicturesTheCodeLoadsExist)
{
    std::vector<std::string> names = {
        "white.png", "UI_TopLeft.png", "UI_TopLeft_EMP.png", "UI_Window.png", "UI_MainMenu.png",
        "UI_UnlockBackground.png", "Unlock.png", "AmmoCo.png", "Tallowind.png", "CorvanishLogo.png",
        "CorvanishPresents.png", "CS_Layer0.png", "CS_Layer1.png", "CS_Layer2.png", "Cursor_Normal.png",
        "Cursor_Target.png", "Cursor_Illegal.png", "CameraLine_Neutral.png", "CopUI.png", "CopUI.plist",
        "SoundMarker.png", "EditBackground.png", "Editor_SpawnMarker.png", "Editor_PlayerSpawnMarker.png",
        "Editor_InterestMarker.png", "Editor_QueueMarker.png", "Editor_ContactMarker.png",
        "Editor_CheckpointMarker.png", "Thought_See.png", "Thought_Hear.png", "Thought_Scared.png",
        "Thought_Crime.png", "Thought_Chat.png", "Rain.obj", "Tutorial_01a.png", "GunAnim.plist"};
    for (const char* d : {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE", "S", "SSW", "SW", "WSW", "W", "WNW",
                          "NW", "NNW"})
        names.push_back(std::string("UI_Tracker_") + d + ".png");
    for (int i = 1; i <= 14; ++i)
        names.push_back(numbered("Tutorial_%02d.png", i));
    for (int i = 1; i <= 30; ++i)
        names.push_back(numbered("Rain_1_%02d.png", i));
    for (const char* sheet : {"MaleIdle", "MaleIdleSting", "MaleGo", "FemIdle", "FemIdleSting", "FemGo"})
    {
        names.push_back(std::string(sheet) + ".plist");
        names.push_back(std::string(sheet) + ".png");
    }
    const int pages[4] = {3, 4, 2, 4};
    for (int part = 1; part <= 4; ++part)
        for (char who : {'M', 'F'})
            for (int page = 1; page <= pages[part - 1]; ++page)
            {
                char name[64];
                std::snprintf(name, sizeof name, "Part%02d_%c_%02d.png", part, who, page);
                names.push_back(name);
            }
    for (const std::string& n : names)
    {
        EXPECT_TRUE(exists(n)) << n;
    }
    std::string cop = read(assetsDir() + "/CopUI.plist");
    for (const char* frame : {"CopUI_Alert_01.png", "CopUI_Alert_02.png", "CopUI_Safe_01.png"})
    {
        EXPECT_NE(cop.find(frame), std::string::npos) << frame;
    }
    std::string go = read(assetsDir() + "/MaleGo.plist");
    EXPECT_NE(go.find("MaleGo_84.png"), std::string::npos);
    EXPECT_NE(read(assetsDir() + "/FemGo.plist").find("FemGo_72.png"), std::string::npos);
    EXPECT_NE(read(assetsDir() + "/MaleIdle.plist").find("MaleIdle_18.png"), std::string::npos);
}

TEST(AssetNamedFiles, NameTablesHaveTheSizesTheCitizensDrawFrom)
{
    struct Table
    {
        const char* file;
        size_t size;
    };
    for (const Table& t : {Table{"names/male_first_names.txt", 1224}, Table{"names/female_first_names.txt", 4275},
                           Table{"names/last_names.txt", 9972}})
    {
        std::string text = read(assetsDir() + "/" + t.file);
        EXPECT_EQ(text.find('\r'), std::string::npos) << t.file;
        std::vector<std::string> names = lines(t.file);
        EXPECT_EQ(names.size(), t.size) << t.file;
        std::set<std::string> unique(names.begin(), names.end());
        EXPECT_EQ(unique.size(), names.size()) << t.file;
        for (const std::string& n : names)
            for (char c : n)
            {
                ASSERT_TRUE(std::isalpha(static_cast<unsigned char>(c))) << t.file << ": " << n;
            }
    }
    EXPECT_TRUE(exists("names/NOTICE.md"));
    EXPECT_TRUE(exists("names/LICENSE.random-name.txt"));
}

TEST(AssetNamedFiles, DeliveredFolderStaysSmall)
{
    uintmax_t total = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(assetsDir()))
        if (entry.is_regular_file())
        {
            EXPECT_LT(entry.file_size(), 4u * 1024 * 1024) << entry.path();
            total += entry.file_size();
        }
    EXPECT_LT(total, 30u * 1024 * 1024);
}
