#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <string>

class ShopCustomer;
class UIInteractWindow;
class UIText;

// The two trading windows of the city: the vending machine, which sells
// tools, weapons and ammunition, and the contract dealer, who offers the
// board's contracts and sells the travel papers out of the zone. Both are
// the one UIInteractWindow that the game driver keeps; this fills it page by
// page and acts on the chosen entry.
class ShopEngine : public cocos2d::Ref, public Singleton<ShopEngine>
{
public:
    // The game driver's open-window codes of the two windows.
    static constexpr int kVendingWindow = 1;
    static constexpr int kDealerWindow = 2;

    enum DealerPage { DealerMain = 1, DealerContracts = 2, DealerDetails = 3, DealerPapers = 5 };
    enum VendingPage { VendingMain = 1, VendingTools = 2, VendingWeapons = 3 };

    // The vending window: reset starts at the main page (and unrolls the
    // window); a selection other than -1 is restored.
    void openVendingMachine(bool reset, bool keepSelection, int selection);
    void openContractDealer();
    // The dealer's main page: a greeting drawn at random for an empty text.
    void dealerMenu(const std::string& text);
    void contractList();
    void contractDetails();
    void travelPapers();

    // The vending window's and the dealer's action on an entry index.
    void buyItem(int index);
    void dealerAction(int index);
    // The digit keys and ESC, for an open shop window that has no focus.
    void onKey(int keyCode);
    // ESC: one page back, or the window closes from the main page.
    void back();

    // The window's "Money:" line, rebuilt with the player's credits.
    void moneyLine();
    // The notice after a sale: -1 cannot carry, 0 not enough credits, else
    // the amount spent (negative) or earned.
    void showBuyNotice(int amount);
    // A short text that rises from the position and fades out; a new one
    // replaces the last.
    void showFloatingText(const std::string& text, cocos2d::Vec2 position, float rise);

    // Whether a shop window holds play still: from its opening until its
    // closing starts. While it rolls up the mouse aims and fires again.
    bool holdsPlay() const;
    // Starts the window's closing; it takes no more input from here on, and
    // play goes on.
    void closeWindow();
    // The end of the closing, also used to take the window down at once:
    // the window leaves the scene and the driver forgets it.
    void closeDone();

    UIText* currentNotice = nullptr;
    UIText* moneyText = nullptr;
    bool acceptingInput = false;
    bool boughtSomething = false;
    int selectedContract = -1;
    int dealerPage = 0;
    int vendingPage = 0;

private:
    friend class Singleton<ShopEngine>;
    ShopEngine() = default;

    UIInteractWindow* window() const;
    UIInteractWindow* ensureWindow();
    void setCursorVisible(bool visible);
    void dropNotice();
    // Acts on an entry of the open window, by the window's kind.
    void actOn(int index);
    bool isDealerWindow() const;
    // Every page stands centred on the screen.
    void placeWindow();
    void showPage(bool open, bool reveal);

    // The vending pages (ShopEngineVending.cpp).
    void fillVendingPage();
    void fillStockPage(bool tools);
    void sell(int index);
    void refuseSale(bool couldCarry);
    void afterToolSale(ShopCustomer* customer, int definitionId);
    void afterWeaponSale(ShopCustomer* customer, int definitionId);
    void vendingBack();

    // The dealer pages (ShopEngineDealer.cpp).
    void fillDealerMenu(const std::string& text);
    bool papersForSale() const;
    void buyTravelPapers();
    void dealerBack();
};
