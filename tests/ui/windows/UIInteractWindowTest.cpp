// The list window: rows, the selection with wrap-around, prices coloured
// against the player's money, the help footer, and its opening and dismissal.
#include "app/ControllerKeys.h"
#include "ui/ColourPalette.h"
#include "ui/TextMarkup.h"
#include "ui/windows/ShopFixture.h"

#include <gtest/gtest.h>

USING_NS_CC;

namespace {

class UIInteractWindowTest : public ShopFixture
{
protected:
    UIInteractWindow* makeWindow()
    {
        UIInteractWindow* made = UIInteractWindow::create();
        layer->addChild(made);
        return made;
    }

    // The colours of the glyphs drawn for the characters of a word on a line.
    static std::vector<Color3B> glyphColoursAt(const UIText* text, int line, int column, int length)
    {
        std::vector<Color3B> colours;
        const float y = text->getContentSize().height - TextMarkup::kGlyphHeight - TextMarkup::kLineHeight * line;
        for (const Sprite* glyph : text->glyphs)
        {
            const Vec2 at = glyph->getPosition();
            if (at.y == y && at.x >= column * 6 && at.x < (column + length) * 6)
                colours.push_back(glyph->getColor());
        }
        return colours;
    }
};

}  // namespace

TEST_F(UIInteractWindowTest, SelectionWrapsAroundAndRowsAreReplacedById)
{
    UIInteractWindow* list = makeWindow();
    EXPECT_EQ(UIInteractElement::focusedElement, list); // a new window takes the focus
    EXPECT_EQ(list->selection, -1);
    EXPECT_EQ(list->getContentSize(), Size(264, 256));
    EXPECT_EQ(list->innerSize, Vec2(256, 240));

    list->addItem(10, -1, -1, true, "first");
    list->addItem(11, -1, -1, true, "second");
    list->addItem(12, -1, -1, false, "third");
    list->showList(false, false);
    ASSERT_EQ(list->selection, 0);

    list->moveSelection(-1);
    EXPECT_EQ(list->selection, 2);
    list->moveSelection(1);
    EXPECT_EQ(list->selection, 0);
    // The navigation keys reach the focused window.
    UIInteractElement::dispatchKey(Key::Down);
    EXPECT_EQ(list->selection, 1);
    EXPECT_NE(list->listText->text.find("`$** `7   `%second`7"), std::string::npos) << list->listText->text;
    EXPECT_NE(list->listText->text.find("`8** `7   `%first"), std::string::npos) << list->listText->text;

    // A listed id is replaced in place, and the selection goes back to the top.
    list->addItem(11, -1, -1, false, "replaced");
    ASSERT_EQ(list->items.size(), 3u);
    EXPECT_EQ(list->items[1].label, "replaced");
    EXPECT_FALSE(list->items[1].available);
    EXPECT_EQ(list->selection, 0);
    list->showList(false, false);
    EXPECT_NE(list->listText->text.find("\n`8--    `8replaced`7"), std::string::npos) << list->listText->text;

    // An empty list shows the title alone and keeps the selection at the top.
    list->items.clear();
    list->title = "Nothing";
    list->moveSelection(1);
    EXPECT_EQ(list->selection, 0);
    EXPECT_EQ(list->listText->text, "\nNothing\n");
}

TEST_F(UIInteractWindowTest, PricesAreColouredAgainstThePlayersMoney)
{
    player->credits = 100;
    UIInteractWindow* list = makeWindow();
    list->title = "Prices";
    list->addItem(1, 100, 1, true, "exactly");
    list->addItem(2, 101, 1, true, "beyond");
    list->addItem(3, 5, 2, false, "locked");
    list->addItem(4, 7, -1, true, "no count");
    list->showHelp = true;
    list->showList(false, false);

    const std::string& text = list->listText->text;
    EXPECT_EQ(text,
              "\nPrices\n"
              "\n`$** `71x `%exactly`7 `7- `%100`7c"
              "\n`8** `71x `%beyond`7 `7- `8101`7c"
              "\n`8-- `8   2x `8locked`7"
              "\n`8** `7   `%no count`7"
              "\n\n`7[`!arrows`7] `%move"
              "\n`7[`!e`7] `%select"
              "\n`7[`!escape`7/`!q`7] `@back");

    // Drawn: the affordable price in colour 15, the one beyond the money in 8.
    // Row lines are 3 and 4 (a blank line, the title, a blank line); the price
    // stands after "** 1x exactly - " and "** 1x beyond - ".
    const std::vector<Color3B> affordable = glyphColoursAt(list->listText, 3, 16, 3);
    const std::vector<Color3B> tooDear = glyphColoursAt(list->listText, 4, 15, 3);
    ASSERT_EQ(affordable.size(), 3u);
    ASSERT_EQ(tooDear.size(), 3u);
    for (const Color3B& colour : affordable)
        EXPECT_EQ(colour, ColourPalette::colour(15));
    for (const Color3B& colour : tooDear)
        EXPECT_EQ(colour, ColourPalette::colour(8));
}

TEST_F(UIInteractWindowTest, OpensUnrollingThenTypesTheListAndDismissesIt)
{
    UIInteractWindow* list = makeWindow();
    list->title = "Shop";
    list->pictureName = "AmmoCo.png";
    list->addItem(1, -1, -1, true, "row");
    Node* footer = Node::create();
    footer->setVisible(false);
    list->addChild(footer);
    list->attachedNode = footer;

    list->showList(true, true);
    ASSERT_NE(list->picture, nullptr);
    ASSERT_NE(list->listText, nullptr);
    EXPECT_EQ(list->picture->getOpacity(), 0);
    EXPECT_EQ(list->picture->getAnchorPoint(), Vec2(0, 1));
    EXPECT_EQ(list->picture->getPosition(), Vec2(4, 252));
    // The list stands below the picture, inside the centre piece.
    EXPECT_EQ(list->listText->getParent(), list->middleRowPieces[1]);
    EXPECT_EQ(list->listText->boxHeight, 240 - static_cast<int>(list->picture->getContentSize().height));
    EXPECT_TRUE(list->listText->glyphs.empty());
    EXPECT_FALSE(footer->isVisible());

    advance(0.33f); // unrolled: the list starts typing, the footer shows
    EXPECT_TRUE(footer->isVisible());
    ASSERT_FALSE(list->listText->glyphs.empty());
    EXPECT_EQ(list->listText->glyphs.front()->getOpacity(), 255);
    EXPECT_EQ(list->listText->glyphs.back()->getOpacity(), 0);
    advance(0.6f);
    EXPECT_EQ(list->picture->getOpacity(), 255);
    EXPECT_EQ(list->listText->glyphs.back()->getOpacity(), 255);

    list->dismiss();
    EXPECT_EQ(list->picture, nullptr);
    EXPECT_EQ(list->listText, nullptr);
    EXPECT_FALSE(footer->isVisible());
}
