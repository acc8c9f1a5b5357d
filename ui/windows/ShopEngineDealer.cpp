// The contract dealer: the greeting page, the board, a contract's details and
// its acceptance, and the travel papers out of the zone.
#include "ui/windows/ShopEngine.h"

#include "actors/Player.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "ui/hud/GameHUD.h"
#include "ui/windows/ShopTables.h"
#include "ui/windows/UIInteractWindow.h"

#include <cstdlib>

namespace {

const char* const kGreetingFormat = "The figure stares at you from under their hat.\n\n`%%%s`7";
const char* const kListTitle = "Select a contract for details:";
const char* const kDetailsFormat = "Contract: %s";
const char* const kPapersTitle = "Got the cash finally, eh? Well, with these papers I can get you out of here.";
const char* const kPapersBoughtText = "Done. Just follow your tracker to the escape point!";

constexpr int kNormalMode = 0;
constexpr int kMoneySpentStat = 1007;

// Entries of the main page (ids) and their places in the list.
constexpr int kContractsId = 0;
constexpr int kPapersId = 2;
constexpr int kContractsEntry = 0;
constexpr int kPapersEntry = 1;
constexpr int kAcceptId = 1;
constexpr int kConfirmId = 0;

int playerCredits()
{
    const Player* player = GameInterface::getInstance()->player;
    return player ? player->credits : 0;
}

}  // namespace

void ShopEngine::openContractDealer()
{
    setCursorVisible(false);
    acceptingInput = true;
    UIInteractWindow* open = ensureWindow();
    if (!open)
        return;
    moneyLine();
    GameInterface::getInstance()->windowMode = kDealerWindow;
    fillDealerMenu("");
    showPage(true, true);
    UIInteractElement::focusedElement = open;
}

void ShopEngine::dealerMenu(const std::string& text)
{
    if (!window())
        return;
    fillDealerMenu(text);
    showPage(false, true);
}

void ShopEngine::fillDealerMenu(const std::string& text)
{
    dealerPage = DealerMain;
    UIInteractWindow* open = window();
    open->pictureName.clear();
    open->items.clear();
    const char* greeting = ShopTables::kGreetings[static_cast<size_t>(std::rand()) % ShopTables::kGreetings.size()];
    open->title = formatString(kGreetingFormat, text.empty() ? greeting : text.c_str());
    open->addItem(kContractsId, -1, -1, true, "Contracts");
    if (GameInterface::getInstance()->mode != kNormalMode)
        return;
    const bool forSale = papersForSale();
    const int price = GameInterface::getInstance()->travelPapersPrice;
    open->addItem(kPapersId, forSale ? price : -1, -1, forSale, "Buy Travel Papers");
}

// Papers are sold once a run, to a player who can pay for them.
bool ShopEngine::papersForSale() const
{
    const GameInterface* game = GameInterface::getInstance();
    return !game->papersBought && playerCredits() >= game->travelPapersPrice;
}

void ShopEngine::contractList()
{
    UIInteractWindow* open = window();
    if (!open)
        return;
    dealerPage = DealerContracts;
    open->pictureName.clear();
    open->items.clear();
    open->title = kListTitle;
    const std::vector<Contract*>& board = MissionManager::getInstance()->board();
    for (size_t i = 0; i < board.size(); ++i)
        open->addItem(static_cast<int>(i), -1, -1, true, board[i]->getSummaryText(false));
    showPage(false, true);
}

void ShopEngine::contractDetails()
{
    UIInteractWindow* open = window();
    const std::vector<Contract*>& board = MissionManager::getInstance()->board();
    if (!open || selectedContract < 0 || static_cast<size_t>(selectedContract) >= board.size())
        return;
    dealerPage = DealerDetails;
    open->pictureName.clear();
    open->items.clear();
    open->title = formatString(kDetailsFormat, board[static_cast<size_t>(selectedContract)]->getDetailText().c_str());
    open->addItem(kAcceptId, -1, -1, true, "accept mission");
    showPage(false, true);
}

void ShopEngine::travelPapers()
{
    UIInteractWindow* open = window();
    if (!open)
        return;
    dealerPage = DealerPapers;
    open->pictureName.clear();
    open->items.clear();
    open->title = kPapersTitle;
    open->addItem(kConfirmId, GameInterface::getInstance()->travelPapersPrice, 1, true, "confirm");
    showPage(false, true);
}

void ShopEngine::dealerAction(int index)
{
    UIInteractWindow* open = window();
    if (!acceptingInput || !open || index < 0 || static_cast<size_t>(index) >= open->items.size())
        return;
    // A greyed entry does nothing: papers already bought, or out of reach.
    if (!open->items[static_cast<size_t>(index)].available)
        return;
    switch (dealerPage)
    {
    case DealerMain:
        if (index == kContractsEntry)
            contractList();
        else if (index == kPapersEntry)
            travelPapers();
        break;
    case DealerContracts:
        selectedContract = open->items[static_cast<size_t>(index)].id;
        contractDetails();
        break;
    case DealerDetails:
        closeWindow();
        MissionManager::getInstance()->acceptContract(selectedContract);
        break;
    case DealerPapers:
        buyTravelPapers();
        break;
    default:
        break;
    }
}

void ShopEngine::buyTravelPapers()
{
    GameInterface* game = GameInterface::getInstance();
    if (!game->player || !papersForSale())
        return;
    const int price = game->travelPapersPrice;
    game->player->credits -= price;
    StatEngine::getInstance()->addStat(kMoneySpentStat, price);
    game->papersBought = true;
    GameHUD::getInstance()->refresh(true);
    moneyLine();
    dealerMenu(kPapersBoughtText);
}

void ShopEngine::dealerBack()
{
    if (dealerPage == DealerMain)
        closeWindow();
    else if (dealerPage == DealerDetails)
        contractList();
    else
        dealerMenu("");
}
