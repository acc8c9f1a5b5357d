#include "ui/ComicEngine.h"

#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "ui/CharSelectScreen.h"
#include "ui/UIText.h"

#include <algorithm>

USING_NS_CC;

namespace {

constexpr float kFadeInSeconds = 1.6f;
constexpr float kFirstPageDelay = 1.3f;
constexpr float kPageHold = 2.6f;
constexpr float kComicAmbientVolume = 0.25f;
constexpr float kFullVolume = 1.0f;
constexpr float kPromptY = 6.0f;
constexpr float kRevealSeconds = 0.05f;
constexpr int kIntroBackToMenu = 5;
// The timer that brings the prompt up runs on the engine's node, so that the
// prompt comes even when a page picture is missing.
constexpr int kPromptTimerTag = 0x0c0c;
constexpr int kTransitionTag = 0x0c0d;

}

ComicEngine::ComicEngine()
{
    Node::init();
}

int ComicEngine::pageCount(int part)
{
    switch (part)
    {
    case 1:
        return 3;
    case 2:
        return 4;
    case 3:
        return 2;
    case 4:
        return 4;
    default:
        return 0;
    }
}

float ComicEngine::pageDelay(int page)
{
    return page * kPageHold + kFirstPageDelay + page * kFadeInSeconds;
}

float ComicEngine::fitScale(const Size& page, const Size& view)
{
    if (page.width <= 0.0f || page.height <= 0.0f)
        return 1.0f;
    // The whole page stays on screen, captions included: a window narrower
    // than the page shows bars of the black screen above and below it.
    return std::min(view.width / page.width, view.height / page.height);
}

std::string ComicEngine::pageFile(int part, char letter, int page)
{
    return formatString("Part%02d_%c_%02d.png", part, letter, page + 1);
}

void ComicEngine::show(int part)
{
    clear();
    const GameInterface* game = GameInterface::getInstance();
    const char letter = game->playerCharacter == CharSelectScreen::kMale ? 'M' : 'F';
    const Size& view = game->visibleSize;
    const int count = pageCount(part);

    for (int i = 0; i < count; ++i)
    {
        Sprite* page = createSprite(pageFile(part, letter, i));
        if (!page)
            continue;
        page->setAnchorPoint(Vec2(0.5f, 0.5f));
        page->setPosition(Vec2(view.width * 0.5f, view.height * 0.5f));
        page->setScale(fitScale(page->getContentSize(), view));
        page->setOpacity(0);
        addChild(page, i);
        page->runAction(Sequence::create(DelayTime::create(pageDelay(i)), FadeIn::create(kFadeInSeconds), nullptr));
        pages[i] = page;
    }

    // An unknown part has no pages: its prompt comes at once.
    const float promptAt = count > 0 ? pageDelay(count - 1) + kFadeInSeconds : 0.0f;
    Action* timer = Sequence::create(DelayTime::create(promptAt), CallFunc::create([this]() { showPrompt(); }), nullptr);
    timer->setTag(kPromptTimerTag);
    runAction(timer);

    setAmbientVolume(kComicAmbientVolume);
    SoundEngine::getInstance()->play(nullptr, false, "comic.mp3", kFullVolume);
}

void ComicEngine::showPrompt()
{
    if (prompt)
        prompt->removeFromParent();
    const Size& view = GameInterface::getInstance()->visibleSize;
    prompt = UIText::create(-1, -1, "");
    prompt->setText(false, false, "Press `$e`7 to continue.");
    prompt->setAnchorPoint(Vec2(0.5f, 0.0f));
    prompt->setPosition(Vec2(view.width * 0.5f, kPromptY));
    addChild(prompt, kMaxPages);
    prompt->buildGlyphs(UIText::kTypewriter, kRevealSeconds, 0.0f);
    pageComplete = true;
}

void ComicEngine::pageTransition(float duration)
{
    for (Sprite* page : pages)
    {
        if (page)
            page->runAction(FadeOut::create(duration));
    }
    if (prompt)
        prompt->fadeOut(duration, nullptr, nullptr);
    Action* leave = Sequence::create(DelayTime::create(duration), CallFunc::create([this]() { nextPage(); }), nullptr);
    leave->setTag(kTransitionTag);
    runAction(leave);
}

void ComicEngine::nextPage()
{
    clear();
    GameInterface* game = GameInterface::getInstance();
    game->introStep = kIntroBackToMenu;
    game->playIntro();
    setAmbientVolume(kFullVolume);
}

void ComicEngine::clear()
{
    stopActionByTag(kPromptTimerTag);
    for (Sprite*& page : pages)
    {
        if (!page)
            continue;
        page->removeFromParent();
        page = nullptr;
    }
    if (prompt)
    {
        prompt->removeFromParent();
        prompt = nullptr;
    }
    pageComplete = false;
}

void ComicEngine::setAmbientVolume(float volume)
{
    const GameInterface* game = GameInterface::getInstance();
    SoundEngine* sound = SoundEngine::getInstance();
    sound->setVolume(game->cityLoopSound, volume);
    sound->setVolume(game->rainLoopSound, volume);
}
