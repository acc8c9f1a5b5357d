#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

class UIText;

// The choice between the two protagonists on a first start: a layered city
// backdrop with rain, the two characters idling, and a prompt that names the
// highlighted one. One node, made by the game driver and kept for the whole
// run (the singleton holds its own reference, so taking it off the scene
// never frees it).
class CharSelectScreen : public cocos2d::Node, public Singleton<CharSelectScreen>
{
public:
    static constexpr int kFemale = 4002;
    static constexpr int kMale = 4003;

    // Builds the scene (any earlier build is taken down first).
    bool init() override;
    // Redraws the prompt and the highlight for the current selection.
    void showPrompt();
    // A and D: highlights a character (-1 left, 1 right) and redraws the
    // prompt; nothing once a character is chosen.
    void highlight(int choice);
    // Commits the highlighted character; nothing when none is highlighted.
    void select();
    // Removes the layers, the character sprites and the prompt.
    void close();
    // Gives back the characters' sprite sheets once the intro is over, so
    // that their pictures can leave the texture cache; init loads them again
    // when needed.
    void releaseSheets();

    cocos2d::Sprite* backLayer = nullptr;
    cocos2d::Sprite* middleLayer = nullptr;
    cocos2d::Sprite* frontLayer = nullptr;
    cocos2d::Sprite* rain = nullptr;
    cocos2d::Sprite* male = nullptr;
    cocos2d::Sprite* female = nullptr;
    UIText* prompt = nullptr;
    // 0 none highlighted, -1 the female character (left), 1 the male (right).
    int selection = 0;
    // Set once a choice is committed, so a second confirm cannot replay it.
    bool chosen = false;

private:
    friend class Singleton<CharSelectScreen>;
    CharSelectScreen();

    static void loadSheets();
    cocos2d::Sprite* addLayer(const char* file, int z);
    cocos2d::Node* characterParent();
    cocos2d::Sprite* placeCharacter(cocos2d::Sprite* sprite, float x);
    void playGo(bool maleChosen);
    void onGoFinished();
    static void remove(cocos2d::Node*& node);
};
