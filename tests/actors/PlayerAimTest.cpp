// The player's weapon under the mouse and the play keys: the aim's fall-off
// and the cursor past the weapon's range, firing a weapon that warms up, and
// the weapon, EMP and hitman commands.
#include "PlayerFixture.h"
#include "actors/Inventory.h"
#include "app/ControllerKeys.h"
#include "app/Geometry.h"
#include "ui/menus/MenuEngine.h"
#include "ui/windows/ShopEngine.h"
#include "ui/windows/UIInteractElement.h"
#include "world/MapMarker.h"
#include "world/WeaponDef.h"

#include <algorithm>
#include <cmath>

using cocos2d::Vec2;

class PlayerAimTest : public PlayerFixture
{
protected:
    void SetUp() override
    {
        PlayerFixture::SetUp();
        // The player stands on the left of the view, facing right.
        const Vec2 screen = player->getScreenPosition();
        map->worldNode->setPosition(map->worldNode->getPosition() + (PlayerSpot - screen));
        player->setRotation(90.0f);
    }

    // Takes up a new weapon of a 100-pixel range, raised.
    GameObject* aimWith(WeaponTraits spec)
    {
        spec.range = 100.0f;
        const int id = fileWeapon(spec);
        player->inventory->addItem(id);
        driver->selectWeapon(id);
        player->raiseWeapon();
        return player->currentWeapon;
    }

    // The cursor the given distance to the right of the player.
    void cursorAt(float distance) { driver->onMouseMove(PlayerSpot + Vec2(distance, 0.0f)); }

    bool onMap(const GameObject* object) const
    {
        const auto& placed = map->passableObjects;
        return std::find(placed.begin(), placed.end(), object) != placed.end();
    }

    // How far two headings lie apart, in degrees.
    static float turnBetween(float a, float b) { return std::fabs(std::remainder(a - b, 360.0f)); }

    const Vec2 PlayerSpot{100.0f, 180.0f};
};

TEST_F(PlayerAimTest, TheAimFallsOffPastTheRangeAndTheCursorGrowsAndFades)
{
    player->currentWeapon = nullptr;
    EXPECT_FLOAT_EQ(driver->aimFalloff(), -1.0f) << "no weapon in hand";
    aimWith({});
    ASSERT_TRUE(driver->aiming);

    cursorAt(100.0f);
    EXPECT_FLOAT_EQ(driver->aimFalloff(), 0.0f) << "at the range";
    EXPECT_EQ(driver->cursorSprite->getOpacity(), 255);
    EXPECT_FLOAT_EQ(driver->cursorSprite->getScale(), 1.0f);
    EXPECT_NEAR(player->heading, 90.0f, 0.01f) << "the player turns to the cursor";
    EXPECT_NEAR(driver->cursorSprite->getRotation(), 135.0f, 0.01f);

    cursorAt(102.0f);
    EXPECT_NEAR(driver->aimFalloff(), 9.9f, 0.05f) << "just past the range";
    cursorAt(300.0f);
    EXPECT_NEAR(driver->aimFalloff(), 0.0f, 0.05f) << "200 pixels past it";
    EXPECT_NEAR(driver->cursorSprite->getScale(), 3.0f, 0.01f);
    EXPECT_EQ(driver->cursorSprite->getOpacity(), 128);
    cursorAt(302.0f);
    EXPECT_FLOAT_EQ(driver->aimFalloff(), 10.0f) << "farther out";

    // The cursor stays inside the view.
    EXPECT_EQ(driver->onMouseMove(Vec2(-5.0f, 900.0f)), Vec2(0.0f, driver->visibleSize.height));
}

TEST_F(PlayerAimTest, ACursorBeyondTheShotsReachIsMarkedAndShownPlainly)
{
    WeaponTraits spec;
    spec.maxrange = 160.0f;
    GameObject* gun = aimWith(spec);
    ASSERT_NE(gun, nullptr);
    const_cast<WeaponDef*>(player->weapon())->projectilemaxrange = 150.0f;
    cursorAt(200.0f);
    EXPECT_EQ(driver->cursorFile, "Cursor_Illegal.png");
    EXPECT_EQ(driver->cursorSprite->getOpacity(), 255);
    EXPECT_FLOAT_EQ(driver->cursorSprite->getScale(), 1.0f);
    EXPECT_FLOAT_EQ(driver->cursorSprite->getRotation(), 0.0f);
    cursorAt(120.0f);
    EXPECT_EQ(driver->cursorFile, "Cursor_Target.png");

    // Held still, the aim grows towards the weapon's longest range; any
    // movement of the mouse starts it over.
    play(0.5f);
    EXPECT_GT(player->currentRange, 100.0f);
    cursorAt(121.0f);
    EXPECT_FLOAT_EQ(player->currentRange, 100.0f);

    // The right button lowers the weapon and raises it again.
    driver->onMouseAction(1, PlayerSpot);
    EXPECT_FALSE(player->weaponRaised);
    EXPECT_EQ(driver->cursorFile, "Cursor_Normal.png");
    driver->onMouseAction(1, PlayerSpot);
    EXPECT_TRUE(player->weaponRaised);
}

TEST_F(PlayerAimTest, AWeaponThatWarmsUpFiresByItselfUnlessTheButtonIsLetGo)
{
    constexpr int Maverick = 87;
    player->inventory->addItem(Maverick);
    driver->selectWeapon(Maverick);
    ASSERT_NE(player->weapon(), nullptr);
    ASSERT_FLOAT_EQ(player->weapon()->warmup, 0.4f);
    driver->onMouseAction(1, PlayerSpot + Vec2(50.0f, 0.0f));
    ASSERT_TRUE(player->weaponRaised);
    cursorAt(50.0f);
    player->startSmoking();

    const size_t before = bullets().size();
    driver->onMouseAction(0, PlayerSpot + Vec2(50.0f, 0.0f));
    EXPECT_EQ(bullets().size(), before) << "the warm-up comes first";
    EXPECT_FLOAT_EQ(player->warmupTimer, 0.0f);
    play(0.3f);
    EXPECT_EQ(bullets().size(), before);
    play(0.2f);
    ASSERT_EQ(bullets().size(), before + 1) << "fired once the warm-up is over";
    EXPECT_FLOAT_EQ(player->warmupTimer, -1.0f);
    EXPECT_NEAR(bullets().back()->heading, 90.0f, 0.01f) << "where the player faces, inside the range";
    EXPECT_EQ(player->currentWeapon->roundsLoaded, 0);
    EXPECT_FALSE(player->isSmoking());

    // Let go before the warm-up is over, nothing is fired.
    play(2.0f);
    ASSERT_EQ(player->currentWeapon->roundsLoaded, 1) << "recharged";
    driver->onMouseAction(0, PlayerSpot + Vec2(50.0f, 0.0f));
    play(0.2f);
    driver->onMouseClick(0, PlayerSpot + Vec2(50.0f, 0.0f));
    play(1.0f);
    EXPECT_EQ(bullets().size(), before + 1);
}

TEST_F(PlayerAimTest, ADroppedWeaponIsOnTheGroundOnlyEvenDuringAReload)
{
    WeaponTraits spec;
    spec.reloadtime = 2.0f;
    spec.maxrounds = 6;
    GameObject* gun = aimWith(spec);
    ASSERT_NE(gun, nullptr);
    cursorAt(150.0f);
    player->reloadTimer = 1.5f;

    driver->dropWeapon();
    EXPECT_TRUE(onMap(gun));
    EXPECT_FALSE(player->inventory->contains(gun));
    EXPECT_NE(player->currentWeapon, gun) << "never both in hand and on the ground";
    ASSERT_NE(player->weapon(), nullptr);
    EXPECT_EQ(player->currentWeapon->def->id, 67) << "the next weapon is taken up";
    EXPECT_FALSE(player->weaponRaised);
    EXPECT_NEAR(gun->getPosition().x, player->getPosition().x + player->getRadius(), 1e-3f);

    // The blaster stays in hand.
    driver->dropWeapon();
    EXPECT_EQ(player->currentWeapon->def->id, 67);

    // Selecting a weapon not carried leaves the hand empty.
    driver->selectWeapon(Shotgun);
    EXPECT_EQ(player->currentWeapon, nullptr);
    driver->toggleWeapon();
    ASSERT_NE(player->currentWeapon, nullptr);
    EXPECT_EQ(player->currentWeapon->def->id, 67);
    EXPECT_NE(driver->weaponIcon, nullptr) << "its picture fades in";
}

TEST_F(PlayerAimTest, AnEmpSpendsOneChargeAndAHitmanNeedsASpawnMarker)
{
    player->inventory->addItem(EmpCharge);
    player->inventory->addItem(EmpCharge);
    driver->fireEMP();
    EXPECT_EQ(player->inventory->countOf(EmpCharge), 1) << "the spent charge is gone for good";

    MobManager* mobs = MobManager::getInstance();
    std::vector<Vec2> hunters;
    mobs->makers.hunter = [&](Vec2 position) {
        hunters.push_back(position);
        auto* hunter = new GameMob(mobDef(), false);
        hunter->setPosition(position);
        return hunter;
    };
    driver->dispatchHitman();
    EXPECT_TRUE(hunters.empty()) << "a map without spawn markers sends nobody off the map";
    EXPECT_EQ(mobs->lastHunter, nullptr);

    MapMarker marker(MapMarkerKind::Spawn, centreOf(3, 4));
    map->spawnMarkers.push_back(&marker);
    driver->dispatchHitman();
    map->spawnMarkers.clear();
    ASSERT_EQ(hunters.size(), 1u);
    EXPECT_EQ(hunters.front(), centreOf(3, 4));
    ASSERT_NE(mobs->lastHunter, nullptr);
    EXPECT_NE(std::find(mobs->groundMobs.begin(), mobs->groundMobs.end(), mobs->lastHunter), mobs->groundMobs.end());
    mobs->makers.hunter = nullptr;
}

TEST_F(PlayerAimTest, AClickFiresAtTheCursorAfterAWindowThatHeldPlayStill)
{
    // The player stands in a room of an enterable building: the raised roof
    // with the room's floor under it at street height.
    TileDef* roof = makeTileDef(1);
    TileDef* roomFloor = makeTileDef(0);
    for (int x = 6; x <= 14; ++x)
    {
        for (int y = 6; y <= 14; ++y)
        {
            setFloor(x, y, roof);
            tile(x, y)->overlay = roomFloor;
        }
    }
    WeaponTraits spec;
    spec.ammoless = true;
    aimWith(spec);
    constexpr float Frame = 1.0f / 60.0f;

    // The windows that hold play still while the mouse goes on moving: a
    // tutorial picture, the pause menu and the vending machine.
    const std::function<void()> windows[][2] = {
        {[&] { driver->showTutorialPopup("Tutorial_01.png"); }, [&] { driver->closePopups(); }},
        {[&] {
             driver->setState(GameState::Menu);
             driver->openMainMenu(nullptr);
         },
         [&] { MenuEngine::getInstance()->dismiss(); }},
        {[&] { ShopEngine::getInstance()->openVendingMachine(true, false, -1); },
         [&] {
             ShopEngine::getInstance()->closeWindow();
             for (int frame = 0; frame < 60 && driver->interactWindow; ++frame)
                 director->stepFrame(Frame);
         }},
    };
    for (int i = 0; i < 8; ++i)
    {
        const float bearing = 45.0f * static_cast<float>(i);
        const Vec2 cursor = PlayerSpot + vectorFromAngle(bearing, 60.0f);
        driver->onMouseMove(PlayerSpot + vectorFromAngle(bearing + 180.0f, 60.0f));
        const auto& [open, close] = windows[i % 3];
        open();
        driver->onMouseMove(cursor);
        close();
        ASSERT_EQ(driver->state, GameState::Playing) << "window " << i % 3;
        ASSERT_EQ(driver->interactWindow, nullptr) << "window " << i % 3;
        EXPECT_LT(turnBetween(player->heading, bearing), 0.01f) << "the player faces the cursor again at " << bearing;

        driver->onMouseAction(0, cursor);
        driver->onMouseClick(0, cursor);
        ASSERT_EQ(bullets().size(), 1u) << bearing;
        GameObject* bolt = bullets().front();
        EXPECT_LT(turnBetween(bolt->heading, bearing), 0.01f) << "the bolt leaves towards the cursor at " << bearing;
        const Vec2 muzzle = bolt->getPosition();
        map->update(Frame, true);
        ASSERT_EQ(bullets().size(), 1u) << "the bolt flies on across the room at " << bearing;
        EXPECT_LT(turnBetween(angleBetween(muzzle, bolt->getPosition()), bearing), 0.01f) << bearing;
        map->destroyProjectile(bolt);
        map->update(0.0f, true);
    }

    // A click where no mouse movement was seen turns the player to it first.
    const Vec2 click = PlayerSpot + vectorFromAngle(135.0f, 60.0f);
    driver->onMouseAction(0, click);
    ASSERT_EQ(bullets().size(), 1u);
    EXPECT_LT(turnBetween(bullets().front()->heading, 135.0f), 0.01f) << "the bolt leaves towards the click";
}

TEST_F(PlayerAimTest, AClickJustAfterEscapeClosesTheShopOrTheDealerFires)
{
    WeaponTraits spec;
    spec.ammoless = true;
    aimWith(spec);
    constexpr float Frame = 1.0f / 60.0f;
    ShopEngine* shop = ShopEngine::getInstance();
    const std::function<void()> opens[] = {[shop] { shop->openVendingMachine(true, false, -1); },
                                           [shop] { shop->openContractDealer(); }};
    for (int window = 0; window < 2; ++window)
    {
        // Clicks at once, a frame and a tenth of a second after the ESC that
        // closes the window, while it still rolls up.
        for (const int frames : {0, 1, 6})
        {
            const float bearing = 90.0f + 60.0f * static_cast<float>(frames);
            const Vec2 cursor = PlayerSpot + vectorFromAngle(bearing, 60.0f);
            opens[window]();
            ASSERT_NE(driver->interactWindow, nullptr);
            driver->onMouseMove(cursor);
            UIInteractElement::dispatchKey(Key::Escape);
            for (int frame = 0; frame < frames; ++frame)
                director->stepFrame(Frame);

            driver->onMouseAction(0, cursor);
            driver->onMouseClick(0, cursor);
            ASSERT_EQ(bullets().size(), 1u) << "window " << window << ", " << frames << " frames after ESC";
            GameObject* bolt = bullets().front();
            EXPECT_LT(turnBetween(bolt->heading, bearing), 0.01f) << "the bolt leaves towards the cursor";
            map->destroyProjectile(bolt);
            map->update(0.0f, true);
            for (int frame = 0; frame < 60 && driver->interactWindow; ++frame)
                director->stepFrame(Frame);
            ASSERT_EQ(driver->interactWindow, nullptr) << "the window has closed";
        }
    }
}
