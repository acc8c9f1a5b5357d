#include "ui/CharSelectScreen.h"

#include "app/GameInterface.h"
#include "app/SpriteHelpers.h"
#include "app/StatEngine.h"
#include "ui/UIText.h"

USING_NS_CC;

namespace {

const char* const kSheets[] = {"MaleIdle", "MaleIdleSting", "MaleGo", "FemIdle", "FemIdleSting", "FemGo"};

constexpr float kMaleX = 318.0f;
constexpr float kFemaleX = 194.0f;
constexpr float kFeetY = 94.0f;
constexpr float kCharacterScale = 0.5f;
constexpr int kIdleFrames = 18;
constexpr float kIdleSeconds = 1.0f;
constexpr int kMaleGoFrames = 84;
constexpr int kFemaleGoFrames = 72;
constexpr float kGoSeconds = 2.5f;
constexpr int kRainFrames = 30;
constexpr float kRainSeconds = 2.0f;
constexpr float kFadeSeconds = 1.0f;
constexpr GLubyte kDimmed = 64;
constexpr int kPromptZ = 1000;
constexpr float kPromptY = 70.0f;
constexpr float kRevealSeconds = 0.05f;
constexpr int kIntroAfterChoice = 3;

}

CharSelectScreen::CharSelectScreen()
{
    Node::init();
    loadSheets();
}

void CharSelectScreen::loadSheets()
{
    // A sheet already loaded is not read again.
    for (const char* sheet : kSheets)
        SpriteFrameCache::getInstance()->addSpriteFramesWithFile(std::string(sheet) + ".plist");
}

void CharSelectScreen::releaseSheets()
{
    for (const char* sheet : kSheets)
        SpriteFrameCache::getInstance()->removeSpriteFramesFromFile(std::string(sheet) + ".plist");
}

void CharSelectScreen::remove(Node*& node)
{
    if (!node)
        return;
    node->stopAllActions();
    node->removeFromParent();
    node = nullptr;
}

bool CharSelectScreen::init()
{
    close();
    // The sheets are given back after an intro: a screen built again needs them.
    loadSheets();
    selection = 0;
    chosen = false;
    setPosition(Vec2::ZERO);
    setAnchorPoint(Vec2::ZERO);

    const Size& view = GameInterface::getInstance()->visibleSize;
    backLayer = addLayer("CS_Layer0.png", -2);
    middleLayer = addLayer("CS_Layer1.png", -1);
    rain = createAnimatedSpriteFromFirstFrame(kRainFrames, true, kRainSeconds, nullptr, "Rain_1");
    if (rain)
    {
        rain->setScale(0.5f);
        rain->setAnchorPoint(Vec2(0.5f, 0.5f));
        rain->setPosition(Vec2(view.width * 0.5f, view.height * 0.5f));
        addChild(rain, 50);
    }
    frontLayer = addLayer("CS_Layer2.png", 100);

    male = placeCharacter(createAnimatedSprite(kIdleFrames, true, kIdleSeconds, nullptr, "MaleIdle"), kMaleX);
    female = placeCharacter(createAnimatedSprite(kIdleFrames, true, kIdleSeconds, nullptr, "FemIdle"), kFemaleX);
    return true;
}

Sprite* CharSelectScreen::addLayer(const char* file, int z)
{
    Sprite* layer = createSprite(file);
    if (!layer)
        return nullptr;
    const Size& view = GameInterface::getInstance()->visibleSize;
    const float height = layer->getContentSize().height;
    layer->setAnchorPoint(Vec2(0.5f, 0.5f));
    if (height > 0.0f)
        layer->setScale(view.height / height);
    layer->setPosition(Vec2(view.width * 0.5f, view.height * 0.5f));
    addChild(layer, z);
    return layer;
}

Node* CharSelectScreen::characterParent()
{
    // The characters stand in the middle layer's own pixels; without that
    // picture they stand on the screen.
    return middleLayer ? static_cast<Node*>(middleLayer) : static_cast<Node*>(this);
}

Sprite* CharSelectScreen::placeCharacter(Sprite* sprite, float x)
{
    if (!sprite)
        return nullptr;
    sprite->setScale(kCharacterScale);
    sprite->setAnchorPoint(Vec2(0.5f, 0.0f));
    sprite->setPosition(Vec2(x, kFeetY));
    characterParent()->addChild(sprite, 0);
    return sprite;
}

void CharSelectScreen::showPrompt()
{
    if (!prompt)
    {
        prompt = UIText::create(-1, -1, "");
        addChild(prompt, kPromptZ);
    }

    const char* text = "Select Character [`$a`7/`$d`7]";
    GLubyte femaleOpacity = 255;
    GLubyte maleOpacity = 255;
    if (selection == -1)
    {
        text = "`%Tammy Jane Trench `7[`$e`7 to select]";
        maleOpacity = kDimmed;
    }
    else if (selection == 1)
    {
        text = "`%Thaddeus John Trench `7[`$e`7 to select]";
        femaleOpacity = kDimmed;
    }
    if (female)
        female->setOpacity(femaleOpacity);
    if (male)
        male->setOpacity(maleOpacity);

    const Size& view = GameInterface::getInstance()->visibleSize;
    prompt->setText(false, true, text);
    prompt->setAnchorPoint(Vec2(0.5f, 1.0f));
    prompt->setPosition(Vec2(view.width * 0.5f, kPromptY));
    prompt->buildGlyphs(UIText::kTypewriter, kRevealSeconds, 0.0f);
}

void CharSelectScreen::highlight(int choice)
{
    // After the choice the prompt fades and so does the other character:
    // A and D must not bring either back.
    if (chosen)
        return;
    selection = choice;
    showPrompt();
}

void CharSelectScreen::select()
{
    if ((selection != -1 && selection != 1) || chosen)
        return;
    chosen = true;
    const bool maleChosen = selection == 1;
    GameInterface::getInstance()->playerCharacter = maleChosen ? kMale : kFemale;
    if (Sprite* other = maleChosen ? female : male)
        other->runAction(FadeTo::create(kFadeSeconds, 0));
    playGo(maleChosen);
    if (prompt)
        prompt->fadeOut(kFadeSeconds, nullptr, nullptr);
    StatEngine::getInstance()->saveGameState();
}

void CharSelectScreen::playGo(bool maleChosen)
{
    Sprite*& idle = maleChosen ? male : female;
    Node* idleNode = idle;
    remove(idleNode);
    idle = nullptr;

    const auto finished = [this]() { onGoFinished(); };
    Sprite* go = maleChosen ? createAnimatedSprite(kMaleGoFrames, false, kGoSeconds, finished, "MaleGo")
                            : createAnimatedSprite(kFemaleGoFrames, false, kGoSeconds, finished, "FemGo");
    idle = placeCharacter(go, maleChosen ? kMaleX : kFemaleX);
    if (!idle)
    {
        // Without the animation the intro still goes on once its time is up.
        runAction(Sequence::create(DelayTime::create(kGoSeconds), CallFunc::create(finished), nullptr));
    }
}

void CharSelectScreen::onGoFinished()
{
    GameInterface* game = GameInterface::getInstance();
    game->introStep = kIntroAfterChoice;
    game->playIntro();
}

void CharSelectScreen::close()
{
    Node* nodes[] = {male, female, rain, backLayer, middleLayer, frontLayer, prompt};
    for (Node* node : nodes)
        remove(node);
    male = female = rain = backLayer = middleLayer = frontLayer = nullptr;
    prompt = nullptr;
}
