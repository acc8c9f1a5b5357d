// The message pop-ups of GameInterface: the queue of short texts typed out one
// at a time, the untimed caption, and the tutorial picture that pauses play.
#include "app/MessagePopups.h"

#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "app/SpriteHelpers.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "ui/TextMarkup.h"
#include "ui/UIText.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/menus/UIMenu.h"

#include <algorithm>
#include <vector>

USING_NS_CC;

namespace {

// Seconds a pop-up stays per byte of its text (colour marks included).
constexpr float kSecondsPerByte = 0.07f;
constexpr float kPopupRevealStep = 0.05f;
constexpr float kCaptionRevealStep = 0.1f;
constexpr int kPopupBoxHeight = 256;
// Above the shop and dealer window (1201, opaque) and its notices, so that a
// scan verdict, a failed contract or a hint raised while the window is open
// is read over it; below the menu, which takes the whole screen (a pop-up
// shown while the menu is up stands clear of its panel instead).
constexpr int kPopupZ = 1202;
constexpr int kCaptionTopZ = 2100;
constexpr int kTutorialZ = 2500;
constexpr int kTutorialCaptionZ = 2501;
constexpr float kTutorialFadeSeconds = 0.2f;
// Where the pop-ups stand: centred two thirds up, or at the bottom left.
constexpr float kCornerX = 32.0f;
constexpr float kCornerY = 37.0f;
constexpr float kCaptionLowY = 96.0f;
// Room left between a centred pop-up and the screens it stands above.
constexpr float kClearOfScreens = 8.0f;
constexpr const char* kTutorialCloseText = "`%Press `$e`% to close tutorial.";

float displaySeconds(const std::string& text)
{
    return static_cast<float>(text.size()) * kSecondsPerByte;
}

// Takes a node off the screen and forgets it.
template <typename T>
void removeNode(T*& node)
{
    if (!node)
        return;
    node->stopAllActions();
    node->removeFromParent();
    node = nullptr;
}

// The same for a node the pop-ups hold a reference to (the pop-up text and the
// tutorial picture and caption), so that their pointers never outlive them.
template <typename T>
void dropNode(T*& node)
{
    T* held = node;
    removeNode(node);
    if (held)
        held->release();
}

// The top edge of what the main menu or the end-of-run screens show across
// the middle of the view; 0 while neither is up.
float topOfMiddleScreens(const GameInterface& game)
{
    std::vector<const Node*> screens{game.menu, game.rankTableNode};
    // The score store is asked only while its screens are up: made afresh,
    // it would read and write the score file.
    if (game.windowMode == HighScores::kSummaryWindow || game.windowMode == HighScores::kTableWindow)
    {
        const HighScores* scores = HighScores::getInstance();
        screens.insert(screens.end(), {scores->summaryNode, scores->initialsNode, scores->promptNode});
    }
    float top = 0.0f;
    for (const Node* screen : screens)
    {
        if (screen && screen->getParent())
            top = std::max(top, screen->getBoundingBox().getMaxY());
    }
    return top;
}

// Where a centred pop-up hangs from: two thirds up the view, over play and
// the shop window. The main menu and the end-of-run screens fill the middle
// with what the player is reading, and the menu's see-through panel would dim
// a text beneath it: there the pop-up stands in the clear band above them.
Vec2 centredPopupTop(const GameInterface& game, UIText* popup)
{
    const Size& view = game.visibleSize;
    const float screensTop = topOfMiddleScreens(game);
    if (screensTop <= 0.0f)
        return Vec2(view.width * 0.5f, view.height / 3.0f * 2.0f);
    popup->wrap();
    const float linesHeight = static_cast<float>(popup->lineCount * TextMarkup::kLineHeight);
    // A text taller than the band still starts on screen.
    return Vec2(view.width * 0.5f, std::min(view.height, screensTop + kClearOfScreens + linesHeight));
}

}

void GameInterface::queueMessage(const std::string& text, bool centred)
{
    messages.push_back(Message{text, centred});
    if (!popupShowing)
        showNextMessage();
}

void GameInterface::showNextMessage()
{
    if (messages.empty())
    {
        popupShowing = false;
        return;
    }
    popupShowing = true;
    const Message next = messages.front();
    messages.erase(messages.begin());
    showPopup(next.text, next.centred);
}

void GameInterface::showPopup(const std::string& text, bool centred)
{
    dropNode(popupText);
    popupText = UIText::create(-1, kPopupBoxHeight, text);
    // The driver keeps its own hold, so the pointer never outlives the node.
    popupText->retain();
    if (centred)
    {
        popupText->setAnchorPoint(Vec2(0.5f, 1.0f));
        popupText->setPosition(centredPopupTop(*this, popupText));
    }
    else
    {
        popupText->setAnchorPoint(Vec2(0.0f, 1.0f));
        popupText->setPosition(Vec2(kCornerX, kCornerY));
    }
    if (gameLayer)
        gameLayer->addChild(popupText, kPopupZ);
    popupText->buildGlyphs(UIText::kTypewriter, kPopupRevealStep, 0.0f);
    popupText->runAction(Sequence::create(DelayTime::create(displaySeconds(text)),
                                          CallFunc::create([this]() { endPopup(); }), nullptr));
}

void GameInterface::endPopup()
{
    if (popupText)
        popupText->runAction(Sequence::create(CallFunc::create([this]() { onPopupDone(); }), nullptr));
}

void GameInterface::onPopupDone()
{
    dropNode(popupText);
    showNextMessage();
}

void GameInterface::showCaption(bool middle, bool onTop, const std::string& text)
{
    // A caption that replaces a queued message must not leave the queue
    // waiting for that message's end forever: the queue carries on after the
    // time the message would have had.
    const bool queueRunning = popupShowing;
    dropNode(popupText);
    popupText = UIText::create(-1, kPopupBoxHeight, text);
    popupText->retain();
    popupText->setAnchorPoint(Vec2(0.5f, 1.0f));
    popupText->setPosition(Vec2(visibleSize.width * 0.5f, middle ? visibleSize.height * 0.5f : kCaptionLowY));
    if (gameLayer)
        gameLayer->addChild(popupText, onTop ? kCaptionTopZ : kPopupZ);
    popupText->buildGlyphs(UIText::kTypewriter, kCaptionRevealStep, 0.0f);
    if (queueRunning)
        popupText->runAction(Sequence::create(DelayTime::create(displaySeconds(text)),
                                              CallFunc::create([this]() { showNextMessage(); }), nullptr));
}

void GameInterface::showTutorialPopup(const std::string& image)
{
    Sprite* picture = createSprite(image);
    // Without its picture the pop-up could never be closed: play goes on.
    if (!picture)
        return;
    setState(GameState::Paused);
    dropNode(tutorialNodes[1]);
    dropNode(tutorialNodes[0]);
    removeNode(tutorialNodes[2]);

    picture->setOpacity(0);
    picture->setScale((visibleSize.height / 3.0f * 2.0f) / picture->getContentSize().height);
    picture->setAnchorPoint(Vec2(0.5f, 0.5f));
    picture->setPosition(Vec2(visibleSize.width * 0.5f, visibleSize.height * 0.5f));
    if (gameLayer)
        gameLayer->addChild(picture, kTutorialZ);

    auto* caption = UIText::create(-1, -1, kTutorialCloseText);
    caption->setAnchorPoint(Vec2(0.5f, 0.0f));
    caption->setPosition(Vec2(picture->getContentSize().width * 0.5f, 2.0f));
    picture->addChild(caption, kTutorialCaptionZ);
    caption->buildGlyphs(UIText::kShowAtOnce, 0.0f, 0.0f);

    picture->runAction(FadeTo::create(kTutorialFadeSeconds, 255));
    tutorialNodes[0] = picture;
    tutorialNodes[1] = caption;
    picture->retain();
    caption->retain();
}

void GameInterface::closePopups()
{
    // The caption goes first: it hangs inside the picture.
    dropNode(tutorialNodes[1]);
    dropNode(tutorialNodes[0]);
    removeNode(tutorialNodes[2]);
    setState(GameState::Playing);
}

void GameInterface::clearMessages()
{
    dropNode(popupText);
    messages.clear();
    popupShowing = false;
}

void GameInterface::backToMenu()
{
    removeNode(logoSprite);
    if (flashOverlay)
    {
        flashOverlay->stopAllActions();
        flashOverlay->setOpacity(0);
    }
    openMainMenu(nullptr);
}

bool dismissTutorial()
{
    // With tutorials off the pad button has no hint to dismiss.
    TutorialEngine* tutorials = TutorialEngine::getInstance();
    if (!tutorials->enabled)
        return false;
    if (UIObjectDescriptor* marker = GameInterface::getInstance()->targetMarker)
        marker->hold = false;
    tutorials->currentEntry = -1;
    return true;
}
