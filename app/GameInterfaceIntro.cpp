#include "app/GameInterface.h"
#include "app/WeatherEngine.h"

#include <cstdlib>

#include "app/Game.h"
#include "app/SoundEngine.h"
#include "app/SpriteHelpers.h"
#include "platform/FreedMemory.h"
#include "ui/CharSelectScreen.h"
#include "ui/ComicEngine.h"
#include "ui/menus/MenuEngine.h"

USING_NS_CC;

// The intro: the logo and presents pictures over the opening music, the
// character choice on a first start, a comic part, then the main menu. The
// same steps replay a comic part from the menus (entering at step 3).

namespace {

constexpr int kLogoZ = 2100;
constexpr int kPresentsZ = 2099;
constexpr int kCharSelectZ = 1800;

constexpr float kLogoDelay = 0.8f;
constexpr float kLogoFadeIn = 2.0f;
constexpr float kLogoHold = 2.0f;
constexpr float kGlitchSeconds = 0.1f;
constexpr float kNormalSeconds = 0.05f;
constexpr float kPresentsHold = 1.5f;
constexpr float kPresentsFadeOut = 2.0f;
constexpr float kDimSeconds = 1.5f;

enum IntroStep
{
    kPictures = 0,
    kPicturesFade = 1,
    kChoosing = 2,
    kFadeToComic = 3,
    kComic = 4,
    kToMenu = 5,
    kSkipped = 6,
};

Sprite* introPicture(const char* file, const Size& view)
{
    Sprite* picture = createSprite(file);
    if (!picture)
        return nullptr;
    const float height = picture->getContentSize().height;
    if (height > 0.0f)
        picture->setScale(view.height / height);
    picture->setAnchorPoint(Vec2(0.5f, 0.5f));
    picture->setPosition(Vec2(view.width * 0.5f, view.height * 0.5f));
    return picture;
}

// A missing picture must not stall the intro: its timing then runs on the
// game layer, with the fade replaced by a plain wait.
void runTimed(Node* picture, Node* fallback, FiniteTimeAction* fade, float seconds,
              const std::function<void()>& then)
{
    Node* target = picture ? picture : fallback;
    if (!target)
    {
        then();
        return;
    }
    FiniteTimeAction* wait = picture ? fade : static_cast<FiniteTimeAction*>(DelayTime::create(seconds));
    target->runAction(Sequence::create(wait, CallFunc::create(then), nullptr));
}

}

void GameInterface::playIntro()
{
    switch (introStep)
    {
    case kPictures:
    {
        if (flashOverlay)
        {
            flashOverlay->setVisible(true);
            flashOverlay->setOpacity(255);
        }
        SoundEngine::getInstance()->play(nullptr, false, "Music_Cyberpunk_life.mp3", 1.0f);
        if (logoSprite)
            logoSprite->removeFromParent();
        if (presentsSprite)
            presentsSprite->removeFromParent();
        // The pictures live in the game layer; without one nothing would keep them.
        logoSprite = gameLayer ? introPicture("CorvanishLogo.png", visibleSize) : nullptr;
        presentsSprite = gameLayer ? introPicture("CorvanishPresents.png", visibleSize) : nullptr;
        if (logoSprite)
        {
            logoSprite->setOpacity(0);
            gameLayer->addChild(logoSprite, kLogoZ);
        }
        if (presentsSprite)
        {
            presentsSprite->setVisible(false);
            gameLayer->addChild(presentsSprite, kPresentsZ);
        }
        Node* target = logoSprite ? static_cast<Node*>(logoSprite) : static_cast<Node*>(gameLayer);
        FiniteTimeAction* fade = logoSprite ? static_cast<FiniteTimeAction*>(FadeTo::create(kLogoFadeIn, 255))
                                            : static_cast<FiniteTimeAction*>(DelayTime::create(kLogoFadeIn));
        if (target)
        {
            target->runAction(Sequence::create(
                DelayTime::create(kLogoDelay), fade, CallFunc::create([this]() { hideFadeOverlay(); }),
                DelayTime::create(kLogoHold), CallFunc::create([this]() { introLightning(); }),
                CallFunc::create([this]() { showGlitchLogo(); }), DelayTime::create(kGlitchSeconds),
                CallFunc::create([this]() { showNormalLogo(); }), DelayTime::create(kNormalSeconds),
                CallFunc::create([this]() { showGlitchLogo(); }), DelayTime::create(kPresentsHold),
                CallFunc::create([this]() { playIntro(); }), nullptr));
        }
        introStep = kPicturesFade;
        break;
    }
    case kPicturesFade:
        // The step advances first: without any node the next step runs at once.
        if (playerCharacter == -1)
        {
            introStep = kChoosing;
            charSelect->init();
            if (!charSelect->getParent() && gameLayer)
                gameLayer->addChild(charSelect, kCharSelectZ);
            runTimed(presentsSprite, gameLayer, FadeTo::create(kPresentsFadeOut, 0), kPresentsFadeOut,
                     [this]() { charSelect->showPrompt(); });
        }
        else
        {
            introStep = kToMenu;
            runTimed(presentsSprite, gameLayer, FadeTo::create(kPresentsFadeOut, 0), kPresentsFadeOut,
                     [this]() { playIntro(); });
        }
        break;
    case kFadeToComic:
        if (comicPart == -1)
            comicPart = 1;
        introStep = kComic;
        runTimed(dimLayer, gameLayer, FadeIn::create(kDimSeconds), kDimSeconds, [this]() { playIntro(); });
        break;
    case kComic:
        ComicEngine::getInstance()->show(comicPart);
        break;
    case kToMenu:
        charSelect->close();
        charSelect->removeFromParent();
        // The intro's nodes go now, but the actions that ran them hold them to
        // the end of this frame: their pictures are given back once the
        // screen has faded in.
        runTimed(dimLayer, gameLayer, FadeOut::create(kDimSeconds), kDimSeconds, [this]() { releaseIntroArt(); });
        setState(GameState::Menu);
        openMainMenu(nullptr);
        break;
    default:
        break;
    }
}

void GameInterface::skipIntro()
{
    // A step still waiting finds the intro over and does nothing.
    introStep = kSkipped;
    for (Sprite** picture : {&logoSprite, &presentsSprite})
    {
        if (!*picture)
            continue;
        (*picture)->stopAllActions();
        (*picture)->removeFromParent();
        *picture = nullptr;
    }
    hideFadeOverlay();
    if (charSelect)
    {
        charSelect->close();
        charSelect->removeFromParent();
    }
}

void GameInterface::playComic(int part)
{
    comicPart = part;
    introStep = kFadeToComic;
    setState(GameState::Intro);
}

void GameInterface::openMainMenu(Ref* sender)
{
    (void)sender;
    if (logoSprite)
    {
        logoSprite->removeFromParent();
        logoSprite = nullptr;
    }
    if (presentsSprite)
    {
        presentsSprite->removeFromParent();
        presentsSprite = nullptr;
    }
    MenuEngine::getInstance()->buildMainMenu();
}

void GameInterface::releaseIntroArt()
{
    // The character screen's rain alone is thirty full-screen frames, and
    // nothing after the intro shows any of it: kept, it would hold over a
    // hundred megabytes for the whole session. A comic replayed from the menu
    // loads its pages again from their files.
    charSelect->releaseSheets();
    TextureCache::getInstance()->removeUnusedTextures();
    FreedMemory::giveBack();
}

void GameInterface::hideFadeOverlay()
{
    if (flashOverlay)
        flashOverlay->setVisible(false);
}

void GameInterface::showGlitchLogo()
{
    if (logoSprite)
        logoSprite->setVisible(false);
    if (presentsSprite)
        presentsSprite->setVisible(true);
}

void GameInterface::showNormalLogo()
{
    if (logoSprite)
        logoSprite->setVisible(true);
    if (presentsSprite)
        presentsSprite->setVisible(false);
}

void GameInterface::introLightning()
{
    // The logo is struck by lightning only in the heaviest weather.
    WeatherEngine* weather = WeatherEngine::getInstance();
    if (weather->intensity == 2)
        weather->lightning(std::rand() % 3 + 1);
}
