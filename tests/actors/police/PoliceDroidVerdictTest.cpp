// The end of a police scan: who moves along, who pays a fine and loses the
// contraband, and who is punished (becomes the scene's suspect), with the
// texts of each verdict.
#include "PoliceManagerFixture.h"
#include "actors/Inventory.h"
#include "actors/police/PoliceDroidTexts.h"
#include "app/GameInterface.h"

using cocos2d::Vec2;

namespace {
constexpr int Shotgun = 69;    // contraband, fine 200
constexpr int Rifle = 70;      // contraband, fine 250
constexpr int Blaster = 67;    // legal, no fine
constexpr int Pistol = 73;     // legal, no fine
const char* const CitizenArmed = "`@Unregistered weapon detected.\nPrepare for punishment.";
}

class PoliceDroidVerdictTest : public PoliceManagerFixture
{
protected:
    void SetUp() override
    {
        PoliceManagerFixture::SetUp();
        droid = droidOnDuty();
        ASSERT_NE(droid, nullptr);
        droid->setPosition(Vec2(300, 320));
        scene = police->reportCrime(1, nullptr, nullptr, Vec2(300, 300), "`%Someone");
        ASSERT_EQ(droid->crimeScene, scene);
    }

    void TearDown() override
    {
        police->playerScanProgress = -1.0f;
        PoliceManagerFixture::TearDown();
    }

    // A scan that runs its eight seconds by the droid's side.
    void scanToTheEnd(GameMob* person)
    {
        person->setPosition(droid->getPosition() + Vec2(20, 0));
        droid->enterScanMode(person);
        for (int i = 0; i < 300 && droid->mode == PoliceDroid::Scan; ++i)
        {
            mobs->update(1.0f / 30.0f);
            police->update(1.0f / 30.0f);
        }
    }

    PoliceDroid* droid = nullptr;
    CrimeScene* scene = nullptr;
};

TEST_F(PoliceDroidVerdictTest, CitizensMoveAlongOrArePunishedForContrabandOrForRunning)
{
    WitnessCitizen* clean = addWalker(Vec2(0, 0));
    clean->inventory->addItem(Blaster);
    scanToTheEnd(clean);
    ASSERT_EQ(clean->scanMessages.size(), 1u);
    EXPECT_EQ(clean->scanMessages[0], "`3Scan complete.\nMove along, citizen.");
    EXPECT_EQ(scene->suspect, nullptr);
    EXPECT_EQ(droid->mode, PoliceDroid::Enforce);

    WitnessCitizen* armed = addWalker(Vec2(0, 0));
    armed->inventory->addItem(Shotgun);
    scanToTheEnd(armed);
    ASSERT_EQ(armed->scanMessages.size(), 1u);
    EXPECT_EQ(armed->scanMessages[0], CitizenArmed);
    EXPECT_EQ(scene->suspect, armed) << "punished: the droid goes for it";
    EXPECT_EQ(armed->inventory->countContraband(), 1) << "no fine for a citizen";

    // A citizen who walks off: one warning distance, then resisting arrest.
    scene->suspect = nullptr;
    WitnessCitizen* runner = addWalker(Vec2(0, 0));
    runner->setPosition(droid->getPosition() + Vec2(20, 0));
    droid->enterScanMode(runner);
    droid->update(0.1f);
    ASSERT_GE(droid->scanTime, 0.0f);
    runner->setPosition(droid->getPosition() + Vec2(60, 0));
    droid->update(0.1f);
    EXPECT_TRUE(droid->warned);
    EXPECT_EQ(droid->mode, PoliceDroid::Scan);
    runner->setPosition(droid->getPosition() + Vec2(130, 0));
    droid->update(0.1f);
    ASSERT_EQ(runner->scanMessages.size(), 1u);
    EXPECT_EQ(runner->scanMessages[0], "`@Resisting arrest.\n`@Prepare for punishment.");
    EXPECT_EQ(scene->suspect, runner);
}

TEST_F(PoliceDroidVerdictTest, APlayerWithJustEnoughMoneyPaysTheFineAndLosesTheContrabandOnly)
{
    Player* player = addPlayer(Vec2(0, 0));
    player->inventory->addItem(Shotgun);
    player->inventory->addItem(Blaster);
    player->equip(player->inventory, player->inventory->findByDefinition(Shotgun));
    player->credits = 200;
    scanToTheEnd(player);
    EXPECT_EQ(player->credits, 0);
    EXPECT_EQ(player->inventory->countContraband(), 0);
    ASSERT_NE(player->currentWeapon, nullptr) << "the legal weapon comes to hand";
    EXPECT_EQ(player->currentWeapon->def->id, Blaster);
    EXPECT_EQ(scene->suspect, nullptr) << "a paid fine is not punished";
    EXPECT_EQ(police->playerScanProgress, -1.0f);
    EXPECT_EQ(droid->mode, PoliceDroid::Enforce);

    // The till of the game: with a legal weapon in hand the fine still takes
    // up the next weapon carried after it.
    scene->scannedIds.clear();
    player->inventory->destroyAll();
    GameObject* blaster = player->inventory->addItem(Blaster);
    GameObject* pistol = player->inventory->addItem(Pistol);
    player->inventory->addItem(Rifle);
    player->equip(player->inventory, blaster);
    ASSERT_EQ(player->currentWeapon, blaster);
    player->credits = 250;
    scanToTheEnd(player);
    EXPECT_EQ(player->credits, 0);
    EXPECT_EQ(player->inventory->countContraband(), 0);
    EXPECT_EQ(player->currentWeapon, pistol);
}

TEST_F(PoliceDroidVerdictTest, APlayerWhoCannotPayOrCarriesABodyIsPunished)
{
    Player* player = addPlayer(Vec2(0, 0));
    player->inventory->addItem(Rifle);
    player->credits = 249;
    scanToTheEnd(player);
    EXPECT_EQ(player->credits, 249);
    EXPECT_EQ(player->inventory->countContraband(), 1);
    EXPECT_EQ(scene->suspect, player);

    // Money does not help a body-carrier.
    scene->suspect = nullptr;
    scene->scannedIds.clear();
    player->inventory->removeContraband();
    player->credits = 10000;
    WitnessCitizen* body = addWalker(Vec2(0, 0));
    body->health = 0;
    player->carriedBody = body;
    scanToTheEnd(player);
    EXPECT_EQ(player->credits, 10000);
    EXPECT_EQ(scene->suspect, player);
    player->carriedBody = nullptr;
}

TEST_F(PoliceDroidVerdictTest, APunishedPersonWithoutASceneIsReportedByTheDroid)
{
    police->closeCrimeScene(scene);
    ASSERT_EQ(droid->mode, PoliceDroid::Patrol);
    WitnessCitizen* armed = addWalker(Vec2(0, 0));
    armed->inventory->addItem(Rifle);
    armed->setPosition(droid->getPosition() + Vec2(10, 0));
    droid->enterScanMode(armed);
    droid->finishScan(false);
    ASSERT_NE(droid->crimeScene, nullptr) << "the droid answers its own report";
    EXPECT_EQ(droid->crimeScene->suspect, armed);
    EXPECT_EQ(droid->mode, PoliceDroid::Enforce);
}

TEST(PoliceDroidTexts, FinesNameWhatWasTakenAndWarningsAndBodyVerdictsComeFromTheirLists)
{
    EXPECT_EQ(PoliceDroidTexts::fineVerdict(150, 0),
              "`$Unregistered weapon detected.\n`7Fine of `!150`7c administered.");
    EXPECT_EQ(PoliceDroidTexts::fineVerdict(200, 1),
              "`$Unregistered weapon detected.\n`7Weapon removed, fine of `!200`7c  administered.");
    EXPECT_EQ(PoliceDroidTexts::fineVerdict(450, 2),
              "`$Unregistered weapon detected.\n`7Weapons removed, fine of `!450`7c  administered.");
    EXPECT_STREQ(PoliceDroidTexts::CannotPay,
                 "`@Unregistered weapon detected.\nInsufficient funds for a fine.\n`@Prepare for punishment.");
    for (int i = 0; i < 50; ++i)
    {
        EXPECT_EQ(PoliceDroidTexts::randomWarning().rfind("`@WARNING: STOP! `$Or you will be ", 0), 0u);
        EXPECT_NE(PoliceDroidTexts::randomBodyVerdict().find("Prepare for punishment."), std::string::npos);
    }
}
