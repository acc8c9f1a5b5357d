// The vending machine: its main page, the tool and weapon pages with their
// locks, and the sale or its refusal.
#include "ui/windows/ShopEngine.h"

#include "actors/Player.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "ui/hud/GameHUD.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/windows/ShopCustomer.h"
#include "ui/windows/ShopTables.h"
#include "ui/windows/UIInteractWindow.h"

namespace {

const char* const kPicture = "AmmoCo.png";
const char* const kWelcome = "Welcome to an `@AMMO-CO`7 vending machine.\nFor all your personal defense needs!";
// A locked article: the padlock glyph before its dimmed name.
const char* const kLockedFormat = "`%%%c`8 %s";
constexpr char kPadlockGlyph = 4;

constexpr int kBlasterOnlyMode = 2;
constexpr int kMoneySpentStat = 1007;
constexpr int kItemsBoughtStat = 1014;
const char* const kSaleSound = "cashregister.wav";
const char* const kRefusalSound = "buzzer_negative.wav";

// The main page's entries.
constexpr int kWeaponsEntry = 0;
constexpr int kToolsEntry = 1;

// The player as the machine's customer; null while the player cannot take
// items (no player, or one without an inventory).
ShopCustomer* currentCustomer()
{
    return dynamic_cast<ShopCustomer*>(GameInterface::getInstance()->player);
}

bool isEnabled(const ShopTables::StockEntry& entry)
{
    if (entry.unlock != ShopTables::kAmmunition)
        return Achievements::getInstance()->isUnlocked(entry.unlock);
    const ShopCustomer* customer = currentCustomer();
    return customer && customer->hasWeaponUsing(entry.definitionId);
}

void playSound(const char* name)
{
    SoundEngine::getInstance()->play(nullptr, false, name, 1.0f);
}

// The first tool or weapon of a kind bought brings its tutorial.
void requestItemTutorial(int definitionId)
{
    static const std::pair<int, int> kTutorialByItem[] = {{321, 9}, {88, 10}, {154, 11}, {320, 12},
                                                          {69, 6},  {70, 7},  {87, 8}};
    for (const auto& [item, tutorial] : kTutorialByItem)
        if (item == definitionId)
            TutorialEngine::getInstance()->request(tutorial);
}

}  // namespace

void ShopEngine::openVendingMachine(bool reset, bool keepSelection, int selection)
{
    setCursorVisible(false);
    if (reset)
        vendingPage = VendingMain;
    UIInteractWindow* open = ensureWindow();
    if (!open)
        return;
    moneyLine();
    acceptingInput = true;
    fillVendingPage();
    if (selection != -1 && static_cast<size_t>(selection) < open->items.size())
        open->selection = selection;
    GameInterface* game = GameInterface::getInstance();
    game->windowMode = kVendingWindow;
    showPage(reset, reset || !keepSelection);
    UIInteractElement::focusedElement = open;
}

void ShopEngine::fillVendingPage()
{
    UIInteractWindow* open = window();
    open->pictureName = kPicture;
    open->title = kWelcome;
    open->items.clear();
    open->selection = -1;
    if (vendingPage == VendingTools || vendingPage == VendingWeapons)
    {
        fillStockPage(vendingPage == VendingTools);
        return;
    }
    // Blaster Only sells nothing.
    const bool forSale = GameInterface::getInstance()->mode != kBlasterOnlyMode;
    open->addItem(kWeaponsEntry, -1, -1, forSale, "Weapons");
    open->addItem(kToolsEntry, -1, -1, forSale, "Tools");
}

void ShopEngine::fillStockPage(bool tools)
{
    UIInteractWindow* open = window();
    const auto add = [open](const ShopTables::StockEntry& entry) {
        const bool enabled = isEnabled(entry);
        const std::string label = enabled ? entry.label : formatString(kLockedFormat, kPadlockGlyph, entry.label);
        open->addItem(entry.definitionId, entry.price, 1, enabled, label);
    };
    if (tools)
        for (const ShopTables::StockEntry& entry : ShopTables::kTools)
            add(entry);
    else
        for (const ShopTables::StockEntry& entry : ShopTables::kWeapons)
            add(entry);
}

void ShopEngine::buyItem(int index)
{
    UIInteractWindow* open = window();
    if (!acceptingInput || !open || index < 0 || static_cast<size_t>(index) >= open->items.size())
        return;
    if (!open->items[static_cast<size_t>(index)].available)
        return;
    if (vendingPage == VendingMain)
    {
        vendingPage = index == kWeaponsEntry ? VendingWeapons : VendingTools;
        openVendingMachine(false, false, -1);
        return;
    }
    sell(index);
}

void ShopEngine::sell(int index)
{
    Player* player = GameInterface::getInstance()->player;
    if (!player)
        return;
    const ListItem item = window()->items[static_cast<size_t>(index)];
    ShopCustomer* customer = currentCustomer();
    const bool couldCarry = customer && customer->canCarryMore(item.id);
    // The item changes hands before the money does, and the money once: an
    // item the inventory turns down after all costs nothing.
    if (item.price > player->credits || !couldCarry || !customer->addItem(item.id))
    {
        refuseSale(couldCarry);
        return;
    }
    player->credits -= item.price;
    StatEngine* stats = StatEngine::getInstance();
    stats->addStat(kMoneySpentStat, item.price);
    stats->addStat(kItemsBoughtStat, 1);
    showBuyNotice(-item.price);
    GameHUD::getInstance()->refresh(true);
    GameInterface::getInstance()->refreshCursor();
    playSound(kSaleSound);
    if (vendingPage == VendingTools)
        afterToolSale(customer, item.id);
    else
        afterWeaponSale(customer, item.id);
    openVendingMachine(false, true, index);
}

void ShopEngine::refuseSale(bool couldCarry)
{
    playSound(kRefusalSound);
    showBuyNotice(couldCarry ? 0 : -1);
}

void ShopEngine::afterToolSale(ShopCustomer* customer, int definitionId)
{
    if (!customer->hasSecondarySelected())
        customer->selectNextSecondary();
    requestItemTutorial(definitionId);
}

void ShopEngine::afterWeaponSale(ShopCustomer* customer, int definitionId)
{
    customer->equipBought(definitionId);
    boughtSomething = true;
    requestItemTutorial(definitionId);
}

void ShopEngine::vendingBack()
{
    if (vendingPage == VendingMain)
    {
        closeWindow();
        return;
    }
    vendingPage = VendingMain;
    openVendingMachine(false, false, -1);
}
