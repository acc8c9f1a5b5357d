#include "ui/windows/UIInteractWindow.h"

#include "actors/Player.h"
#include "app/GameInterface.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"
#include "ui/hud/ActionPrompts.h"

USING_NS_CC;

namespace {

const char* const kFrameTexture = "UI_Window.png";
const Size kWindowSize(264.0f, 256.0f);
const Vec2 kTopCorner(4.0f, 4.0f);
const Vec2 kBottomCorner(4.0f, 12.0f);

constexpr float kOpenSeconds = 0.3f;
constexpr float kPictureFadeSeconds = 0.5f;
constexpr float kGlyphInterval = 0.005f;
constexpr int kPictureZ = 1;
constexpr int kListTextZ = 1100;

// A price the player can pay is bright, one beyond the money dim.
const char* const kPriceTooHigh = "`7- `8%d`7c";
const char* const kPriceAffordable = "`7- `%%%d`7c";

const char* const kMarkerUnavailable = "`8-- ";
const char* const kMarkerAvailable = "`8** ";
const char* const kMarkerSelected = "`$** ";

// Row formats by whether the row has a count and whether it is available.
const char* const kRowUnavailable = "\n%s   `8%s`7";
const char* const kRowAvailable = "\n%s`7   `%%%s`7";
const char* const kRowCountedUnavailable = "\n%s`8   %dx `8%s`7";
const char* const kRowCountedAvailable = "\n%s`7%dx `%%%s`7 %s";

const char* const kHelpMove = "\n\n`7[`!arrows`7] `%%move";
const char* const kHelpSelect = "\n`7[`!e`7] `%%select";
const char* const kHelpBack = "\n`7[%s`7] `@back";
// The prompt table's name of the back key, keyboard or pad.
const int kBackKeyPrompt = 16;

int playerCredits()
{
    const Player* player = GameInterface::getInstance()->player;
    return player ? player->credits : 0;
}

}  // namespace

UIInteractWindow* UIInteractWindow::create()
{
    auto* window = new UIInteractWindow();
    window->autorelease();
    return window;
}

UIInteractWindow::UIInteractWindow() : UIElement(kFrameTexture)
{
    setFrameSize(kWindowSize);
    setFrameCorners(kTopCorner, kTopCorner, kBottomCorner, kBottomCorner);
}

void UIInteractWindow::addItem(int id, int price, int count, bool available, const std::string& label)
{
    selection = 0;
    addOrUpdateItem(id, price, count, available, label);
}

void UIInteractWindow::addOrUpdateItem(int id, int price, int count, bool available, const std::string& label)
{
    for (ListItem& item : items)
    {
        if (item.id != id)
            continue;
        item.label = label;
        item.price = price;
        item.count = count;
        item.available = available;
        return;
    }
    items.push_back(ListItem{available, id, label, price, count});
}

void UIInteractWindow::showList(bool open, bool reveal)
{
    removeListNodes();
    if (!pictureName.empty())
        addPicture();
    buildFrame();
    addListText();
    if (open)
    {
        openAnimated(kOpenSeconds, this, CC_CALLFUNC_SELECTOR(UIInteractWindow::present));
        return;
    }
    refresh(reveal, false);
    showAttachedNode();
}

void UIInteractWindow::removeListNodes()
{
    if (picture)
        picture->removeFromParentAndCleanup(true);
    if (listText)
        listText->removeFromParentAndCleanup(true);
    picture = nullptr;
    listText = nullptr;
}

void UIInteractWindow::addPicture()
{
    picture = createSprite(pictureName);
    if (!picture)
        return;
    picture->setAnchorPoint(Vec2(0.0f, 1.0f));
    picture->setPosition(cornerTopLeft.x, getContentSize().height - cornerTopLeft.y);
    picture->setOpacity(0);
    addChild(picture, kPictureZ);
}

void UIInteractWindow::addListText()
{
    Node* host = nullptr;
    if (frameMode == kNinePieceFrame && middleRowPieces.size() > 1)
        host = middleRowPieces[1];
    else if (!framePieces.empty())
        host = framePieces[0];
    if (!host)
        return;
    const float pictureHeight = picture ? picture->getContentSize().height : 0.0f;
    listText = UIText::create(static_cast<int>(innerSize.x), static_cast<int>(innerSize.y - pictureHeight), "");
    listText->setText(false, false, listString());
    listText->setAnchorPoint(Vec2::ZERO);
    listText->setPosition(Vec2::ZERO);
    host->addChild(listText, kListTextZ);
}

std::string UIInteractWindow::listString() const
{
    std::string text = "\n" + title + "\n";
    for (size_t i = 0; i < items.size(); ++i)
        text += rowLine(i);
    if (showHelp)
        text += helpLines();
    return text;
}

std::string UIInteractWindow::rowLine(size_t index) const
{
    const ListItem& item = items[index];
    const char* marker = item.available ? kMarkerAvailable : kMarkerUnavailable;
    if (static_cast<int>(index) == selection)
        marker = kMarkerSelected;
    if (item.count == -1)
        return formatString(item.available ? kRowAvailable : kRowUnavailable, marker, item.label.c_str());
    if (!item.available)
        return formatString(kRowCountedUnavailable, marker, item.count, item.label.c_str());
    return formatString(kRowCountedAvailable, marker, item.count, item.label.c_str(), priceText(item.price).c_str());
}

std::string UIInteractWindow::priceText(int price) const
{
    if (price == -1)
        return "";
    return formatString(price > playerCredits() ? kPriceTooHigh : kPriceAffordable, price);
}

std::string UIInteractWindow::helpLines() const
{
    return formatString(kHelpMove) + formatString(kHelpSelect) + formatString(kHelpBack, actionPrompt(kBackKeyPrompt).c_str());
}

void UIInteractWindow::present()
{
    if (picture)
        picture->runAction(FadeTo::create(kPictureFadeSeconds, 255));
    if (listText)
    {
        listText->completionTarget = nullptr;
        listText->completionSelector = nullptr;
        listText->buildGlyphs(UIText::kTypewriter, kGlyphInterval, 0.0f);
    }
    showAttachedNode();
}

void UIInteractWindow::refresh(bool reveal, bool fade)
{
    if (picture)
    {
        if (fade)
            picture->runAction(FadeTo::create(kPictureFadeSeconds, 255));
        else
            picture->setOpacity(255);
    }
    if (listText)
    {
        if (reveal)
        {
            listText->completionTarget = nullptr;
            listText->completionSelector = nullptr;
            listText->buildGlyphs(UIText::kTypewriter, kGlyphInterval, 0.0f);
        }
        else
        {
            listText->buildGlyphs(UIText::kShowAtOnce, 0.0f, 0.0f);
        }
    }
    showAttachedNode();
}

void UIInteractWindow::moveSelection(int delta)
{
    selection += delta;
    const int count = static_cast<int>(items.size());
    if (selection == -1)
        selection = delta > 0 ? 0 : count - 1;
    if (static_cast<unsigned>(selection) >= static_cast<unsigned>(count))
        selection = 0;
    if (listText)
        listText->playTypingSound();
    showList(false, false);
}

void UIInteractWindow::dismiss()
{
    removeListNodes();
    if (attachedNode)
        attachedNode->setVisible(false);
}

void UIInteractWindow::showAttachedNode()
{
    if (attachedNode)
        attachedNode->setVisible(true);
}
