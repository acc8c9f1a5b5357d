// The shop window's life: opening, placing, keys, closing, and the money line
// and floating notices around it.
#include "ui/windows/ShopEngine.h"

#include "actors/Player.h"
#include "app/ControllerKeys.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"
#include "ui/windows/UIInteractWindow.h"

USING_NS_CC;

namespace {

// Level with the target marker and made after it, so the window covers the
// marked person's label and line; the shop's own notices, made later still,
// stay above the window.
constexpr int kWindowZ = 1201;
constexpr int kNoticeZ = 1201;
constexpr int kMoneyLineZ = 10;
constexpr float kCloseSeconds = 0.3f;

// Every page hangs from the same top-left corner, so the window sits centred.
constexpr float kHalfWindowWidth = 132.0f;
constexpr float kHalfWindowHeight = 128.0f;

const char* const kMoneyFormat = "Money: `$%d`7c";
const Vec2 kMoneyLinePosition(2.0f, 1.0f);

// The sale notice: where it starts, how far it rises and how it fades.
constexpr float kNoticeX = 80.0f;
constexpr float kNoticeFromTop = 40.0f;
constexpr float kNoticeRise = -150.0f;
constexpr float kNoticeSeconds = 2.0f;
constexpr float kNoticeHoldSeconds = 1.5f;
constexpr float kNoticeFadeSeconds = 0.5f;
const char* const kCannotCarry = "cannot carry any more";
const char* const kNotEnoughCredits = "not enough credits";

// The digit keys choose entries 0 to 8; '0' the tenth.
constexpr int kDigitZero = Key::code(Key::KC::KEY_0);
constexpr int kDigitOne = Key::Digit1;
constexpr int kDigitNine = Key::code(Key::KC::KEY_9);
constexpr int kTenthEntry = 9;

int digitEntry(int keyCode)
{
    if (keyCode == kDigitZero)
        return kTenthEntry;
    if (keyCode >= kDigitOne && keyCode <= kDigitNine)
        return keyCode - kDigitOne;
    return -1;
}

}  // namespace

UIInteractWindow* ShopEngine::window() const
{
    return GameInterface::getInstance()->interactWindow;
}

UIInteractWindow* ShopEngine::ensureWindow()
{
    GameInterface* game = GameInterface::getInstance();
    if (game->interactWindow)
        return game->interactWindow;
    // The window lives in the game layer; without one there is nowhere to show it.
    if (!game->gameLayer)
        return nullptr;
    UIInteractWindow* created = UIInteractWindow::create();
    created->onSelect = [this]() {
        UIInteractWindow* open = window();
        if (acceptingInput && open)
            actOn(open->selection);
    };
    created->onBack = [this]() { back(); };
    game->gameLayer->addChild(created, kWindowZ);
    game->interactWindow = created;
    return created;
}

void ShopEngine::setCursorVisible(bool visible)
{
    Sprite* cursor = GameInterface::getInstance()->cursorSprite;
    if (cursor)
        cursor->setVisible(visible);
}

bool ShopEngine::isDealerWindow() const
{
    return GameInterface::getInstance()->windowMode == kDealerWindow;
}

void ShopEngine::actOn(int index)
{
    if (isDealerWindow())
        dealerAction(index);
    else
        buyItem(index);
}

void ShopEngine::placeWindow()
{
    UIInteractWindow* open = window();
    const Size& visible = GameInterface::getInstance()->visibleSize;
    open->setAnchorPoint(Vec2(0.0f, 1.0f));
    open->setPosition(visible.width * 0.5f - kHalfWindowWidth, visible.height * 0.5f + kHalfWindowHeight);
}

void ShopEngine::showPage(bool open, bool reveal)
{
    placeWindow();
    window()->showList(open, reveal);
}

void ShopEngine::onKey(int keyCode)
{
    // The focused window takes its keys itself; digits are for a window
    // without the focus only.
    UIInteractWindow* open = window();
    if (!open || !acceptingInput || UIInteractElement::focusedElement)
        return;
    if (keyCode == Key::Escape)
    {
        back();
        return;
    }
    const int entry = digitEntry(keyCode);
    if (entry >= 0 && static_cast<size_t>(entry) < open->items.size())
        actOn(entry);
}

void ShopEngine::back()
{
    if (!acceptingInput || !window())
        return;
    if (isDealerWindow())
        dealerBack();
    else
        vendingBack();
}

void ShopEngine::moneyLine()
{
    UIInteractWindow* open = window();
    if (moneyText)
        moneyText->removeFromParentAndCleanup(true);
    const Player* player = GameInterface::getInstance()->player;
    moneyText = UIText::create(-1, -1, formatString(kMoneyFormat, player ? player->credits : 0));
    moneyText->setAnchorPoint(Vec2::ZERO);
    moneyText->setPosition(kMoneyLinePosition);
    moneyText->setVisible(false);
    open->addChild(moneyText, kMoneyLineZ);
    open->attachedNode = moneyText;
}

void ShopEngine::showBuyNotice(int amount)
{
    std::string text;
    if (amount == -1)
        text = kCannotCarry;
    else if (amount == 0)
        text = kNotEnoughCredits;
    else
        text = formatString("`%c%d", amount > 0 ? '$' : '@', amount);
    const float height = GameInterface::getInstance()->visibleSize.height;
    showFloatingText(text, Vec2(kNoticeX, height - kNoticeFromTop), kNoticeRise);
}

void ShopEngine::showFloatingText(const std::string& text, Vec2 position, float rise)
{
    dropNotice();
    Node* layer = GameInterface::getInstance()->gameLayer;
    if (!layer)
        return;
    UIText* notice = UIText::create(-1, -1, text);
    notice->setAnchorPoint(Vec2(0.5f, 0.5f));
    notice->setPosition(position);
    layer->addChild(notice, kNoticeZ);
    notice->runAction(MoveBy::create(kNoticeSeconds, Vec2(0.0f, rise)));
    // Once faded the notice leaves the layer.
    notice->runAction(Sequence::create(DelayTime::create(kNoticeHoldSeconds), FadeOut::create(kNoticeFadeSeconds),
                                       CallFunc::create([this, notice]() {
                                           if (currentNotice == notice)
                                               dropNotice();
                                       }),
                                       nullptr));
    // Held, so that the pointer stays good whatever happens to the layer.
    notice->retain();
    currentNotice = notice;
}

void ShopEngine::dropNotice()
{
    if (!currentNotice)
        return;
    UIText* notice = currentNotice;
    currentNotice = nullptr;
    notice->removeFromParentAndCleanup(true);
    notice->release();
}

bool ShopEngine::holdsPlay() const
{
    return window() && acceptingInput;
}

void ShopEngine::closeWindow()
{
    UIInteractWindow* open = window();
    if (!open)
        return;
    // From the first frame of the closing no key, button or entry acts, and
    // the mouse is the player's again: a click fires while the window rolls up.
    acceptingInput = false;
    if (UIInteractElement::focusedElement == open)
        UIInteractElement::focusedElement = nullptr;
    GameInterface::getInstance()->faceCursor();
    open->closeAnimated(kCloseSeconds, this, CC_CALLFUNC_SELECTOR(ShopEngine::closeDone));
}

void ShopEngine::closeDone()
{
    GameInterface* game = GameInterface::getInstance();
    UIInteractWindow* open = game->interactWindow;
    if (moneyText)
        moneyText->removeFromParentAndCleanup(true);
    moneyText = nullptr;
    if (open)
    {
        open->attachedNode = nullptr;
        open->dismiss();
        open->setVisible(false);
        if (UIInteractElement::focusedElement == open)
            UIInteractElement::focusedElement = nullptr;
        // The layer held the window's one reference: it goes with it.
        open->removeFromParentAndCleanup(true);
    }
    game->interactWindow = nullptr;
    if (game->windowMode == kVendingWindow || game->windowMode == kDealerWindow)
        game->windowMode = 0;
    boughtSomething = false;
    acceptingInput = true;
    setCursorVisible(true);
}
