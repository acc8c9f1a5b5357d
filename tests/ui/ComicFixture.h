#pragma once
// The story screens on a headless scene: the comic, the character choice and
// the credits hang directly under the running scene, the game driver knows
// the visible size, and saves go to a temporary folder.
#include "UIFixture.h"
#include "app/TempFolder.h"

#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "ui/CharSelectScreen.h"
#include "ui/ComicEngine.h"
#include "ui/CreditScreen.h"
#include "ui/UIText.h"

#include <memory>

class StoryScreenTest : public UIFixture
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder.path().empty());
        saves = std::make_unique<ScopedSavesFolder>(folder.path());
        UIFixture::SetUp();
        driver = GameInterface::getInstance();
        driver->visibleSize = director->getVisibleSize();
        driver->state = GameState::Menu;
        driver->introStep = 0;
        driver->playerCharacter = -1;
        driver->comicPart = -1;
        comic = ComicEngine::getInstance();
        credits = CreditScreen::getInstance();
        chooser = CharSelectScreen::getInstance();
        scene->addChild(comic);
        scene->addChild(credits);
        scene->addChild(chooser);
    }

    void TearDown() override
    {
        comic->clear();
        comic->stopAllActions();
        credits->clear();
        chooser->close();
        chooser->stopAllActions();
        comic->removeFromParent();
        credits->removeFromParent();
        chooser->removeFromParent();
        driver->state = GameState::Menu;
        driver->introStep = 0;
        driver->playerCharacter = -1;
        driver->comicPart = -1;
        SoundEngine::getInstance()->stopAll();
        UIFixture::TearDown();
        saves.reset();
    }

    TempFolder folder;
    std::unique_ptr<ScopedSavesFolder> saves;
    GameInterface* driver = nullptr;
    ComicEngine* comic = nullptr;
    CreditScreen* credits = nullptr;
    CharSelectScreen* chooser = nullptr;
};
