// Carrying: the carry limits, picking up without leaving remains, and the
// police taking contraband without leaving the hand or the selected tool
// pointing at a destroyed item.
#include "ArmouryFixture.h"
#include "actors/MobSoundPlatform.h"
#include "app/SoundInstance.h"

using cocos2d::Vec2;

class InventoryTest : public ArmouryFixture
{
};

TEST_F(InventoryTest, CarryLimitsCountLoadedRounds)
{
    Inventory inventory;
    for (int i = 0; i < 10; ++i)
        inventory.addItem(PistolRound);
    EXPECT_TRUE(inventory.canCarryMore(PistolRound));
    GameObject* pistol = inventory.addItem(Pistol);
    pistol->roundsLoaded = 5;
    EXPECT_TRUE(inventory.canCarryMore(PistolRound));
    pistol->roundsLoaded = 6;
    EXPECT_FALSE(inventory.canCarryMore(PistolRound)) << "10 carried and 6 loaded make the 16 allowed";
    EXPECT_TRUE(inventory.hasWeaponUsing(PistolRound));

    EXPECT_TRUE(inventory.canCarryMore(StreetShotgun)) << "no limit for an unlisted item";
    inventory.addItem(69);
    EXPECT_FALSE(inventory.canCarryMore(69));
    for (int i = 0; i < 4; ++i)
        inventory.addItem(RemoteExplosive);
    EXPECT_FALSE(inventory.canCarryMore(RemoteExplosive));
    EXPECT_EQ(inventory.countOf(RemoteExplosive), 4);
    EXPECT_EQ(inventory.addItem(-12345), nullptr) << "an unknown definition makes nothing";
}

TEST_F(InventoryTest, PickingUpTakesTheItemOffTheMapWithoutRemains)
{
    ObjectDef* remains = new ObjectDef();
    remains->id = 987301;
    GameData::getInstance()->fileObjectDef(remains);
    ObjectDef* def = makeObjectDef(true);
    def->despawnasobject = 987301;
    def->canpickup = true;
    GameObject* item = addObject(def, centreOf(4, 4));
    GameMob* mob = makeShooter();
    mob->watchedObject = item;

    Inventory* inventory = mob->inventory;
    inventory->changed = false;
    inventory->pickUp(item);
    EXPECT_TRUE(inventory->contains(item));
    EXPECT_TRUE(inventory->changed);
    EXPECT_EQ(countPlaced(987301), 0) << "a pick-up leaves nothing behind";
    EXPECT_TRUE(map->passableObjects.empty());
    EXPECT_EQ(inventory->removeObject(item), item);
    EXPECT_FALSE(inventory->contains(item));
    delete item;
    EXPECT_EQ(inventory->removeOne(Pistol), nullptr);
}

TEST_F(InventoryTest, TakingContrabandNeverLeavesAPointerAtADestroyedItem)
{
    GameMob* mob = makeShooter();
    Inventory* inventory = mob->inventory;
    GameObject* pistol = inventory->addItem(Pistol);
    GameObject* shotgun = inventory->addItem(StreetShotgun);
    GameObject* explosive = inventory->addItem(RemoteExplosive);
    // The selected tool, as the player keeps it.
    GameObject* selectedTool = explosive;
    inventory->trackReference(&selectedTool);
    mob->equip(inventory, shotgun);
    shotgun->roundsLoaded = 1;
    ASSERT_TRUE(mob->tryFire(0.0f, 0.0f));
    ASSERT_GT(mob->reloadTimer, 0.0f) << "the shotgun is reloading when the police take it";
    EXPECT_EQ(inventory->countContraband(), 2);

    mob->confiscateContraband(inventory);
    EXPECT_FALSE(inventory->hasContraband());
    EXPECT_EQ(inventory->items, std::vector<GameObject*>{pistol});
    EXPECT_EQ(mob->currentWeapon, pistol) << "the next carried weapon is taken up at once";
    EXPECT_EQ(selectedTool, nullptr);
    EXPECT_EQ(inventory->ammoId, pistol->weaponDef->projectileclass);

    // Nothing left to take up: the hand is empty, never dangling.
    Inventory* bag = makeShooter()->inventory;
    GameMob* other = shooters.back().get();
    other->equip(bag, bag->addItem(StreetShotgun));
    other->confiscateContraband(bag);
    EXPECT_EQ(other->currentWeapon, nullptr);
    EXPECT_EQ(bag->ammoId, -1);
    other->WeaponsPlatform::update(0.1f);
    EXPECT_FALSE(other->tryFire(0.0f, 0.0f));
}

namespace {
// A speaking robot's voice, as the blimps and droids carry it.
class Speaker : public GameObject, public MobSoundPlatform
{
public:
    explicit Speaker(ObjectDef* def) : GameObject(def, false, FlyingRobot), MobSoundPlatform(this) {}
};
}

TEST_F(InventoryTest, ARobotNeverRepeatsItsLastLineAtOnce)
{
    Speaker robot(makeObjectDef(true));
    robot.setPosition(centreOf(3, 3));
    robot.soundNames = {"Ad_A.mp3", "Ad_B.mp3"};
    robot.volume = 0.4f;
    SoundEngine* sound = SoundEngine::getInstance();
    int handle = sound->play(nullptr, false, "probe.wav", 1.0f);
    std::string last;
    for (int line = 0; line < 50; ++line)
    {
        robot.playNext();
        const SoundInstance* played = sound->find(++handle);
        ASSERT_NE(played, nullptr);
        EXPECT_NE(played->path, last);
        EXPECT_FLOAT_EQ(played->volume, 0.4f);
        last = played->path;
    }
    robot.pendingSound = "Police_Halt.wav";
    robot.playNext();
    EXPECT_EQ(sound->find(++handle)->path, "sfx/Police_Halt.wav");
    EXPECT_FLOAT_EQ(sound->find(handle)->volume, 1.0f) << "a pending line plays at full volume";
    EXPECT_TRUE(robot.pendingSound.empty());

    robot.soundNames = {"Ad_A.mp3"};
    robot.playNext();
    robot.playNext();
    EXPECT_EQ(sound->find(++handle)->path, "sfx/Ad_A.mp3") << "a single line plays again without waiting";
}
