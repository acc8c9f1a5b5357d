#pragma once
#include "ui/UIElement.h"
#include "ui/windows/UIInteractElement.h"

#include <string>
#include <vector>

class UIText;

// One row of an interactive list: a label with an optional price and count.
struct ListItem
{
    bool available = true; // false: shown greyed
    int id = 0;
    std::string label;     // with mark-up
    int price = -1;        // credits; -1: no price
    int count = -1;        // -1: no count
};

// The framed list window of the vending machine and the contract dealer: a
// title, an optional picture, rows with counts, prices coloured against the
// player's money and a selection marker, and an optional help footer. It
// unrolls when it opens and types its list in; a selection change redraws at
// once. Owners fill it, put their handlers into the select and back
// callbacks, and write title, pictureName, showHelp and attachedNode.
class UIInteractWindow : public UIElement, public UIInteractElement
{
public:
    static UIInteractWindow* create();

    // Sets the selection to the first row, then adds or replaces the row.
    void addItem(int id, int price, int count, bool available, const std::string& label);
    // Replaces the row with the same id in place, or appends a new one.
    void addOrUpdateItem(int id, int price, int count, bool available, const std::string& label);

    // Rebuilds the frame and the list text; open unrolls the window first,
    // reveal types the list in rather than showing it at once.
    void showList(bool open, bool reveal);
    // Moves the selection with wrap-around, ticks and redraws.
    void moveSelection(int delta) override;
    // The end of the opening: the picture fades in and the list types in.
    void present();
    // Shows the picture and the list without opening.
    void refresh(bool reveal, bool fade);
    // Takes the picture and the list text down and hides the attached node.
    void dismiss();

    bool showHelp = false;
    cocos2d::Node* attachedNode = nullptr; // owned by the window's owner
    std::vector<ListItem> items;
    std::string title;
    std::string pictureName;
    int selection = -1;
    cocos2d::Sprite* picture = nullptr;
    UIText* listText = nullptr;

protected:
    UIInteractWindow();

private:
    void removeListNodes();
    void addPicture();
    void addListText();
    // The title, the rows and the help footer, with their mark-up.
    std::string listString() const;
    std::string rowLine(size_t index) const;
    std::string priceText(int price) const;
    std::string helpLines() const;
    void showAttachedNode();
};
