#pragma once
#include "cocos2d.h"
#include "ui/menus/MenuEntry.h"
#include "ui/windows/UIInteractElement.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class UIText;

// The keyboard-driven menu: one list of entries shown as up to three columns
// side by side that grow to the left (the root at the right edge, the page of
// the selection left of it, its subpage further left), over a half-transparent
// background that slides to cover exactly the columns shown. The menu knows
// nothing of the game: its owner supplies the callbacks and acts on entry ids.
// A column whose entry is labelled "##STATS" or "##CONTROLS" is a text page.
class UIMenu : public cocos2d::Node, public UIInteractElement
{
public:
    static UIMenu* create();
    ~UIMenu() override;

    void addItem(int id, int page, int subpage, const std::string& label, bool enabled, int targetPage,
                 int targetSubpage, int kind);
    // Relabels every entry of the id; the owner refreshes to show it.
    void setItemLabel(int id, const std::string& label);
    // A transient line under the menu; it goes at the next column rebuild.
    void setMessage(const std::string& text);
    void clearColumns();
    // Rebuilds the columns, the logo, the background and the caption from the selection.
    void refresh();
    // Makes the menu inert, fades it out and then calls selector on target.
    void close(cocos2d::Ref* target, cocos2d::SEL_CallFunc selector);
    // SPACE or ESC while the menu is held without the focus: the owner's back-at-root action.
    void onCloseKey(int keyCode);

    void moveSelection(int delta) override;
    void select() override;
    void back() override;
    bool handleKey(int keyCode) override;

    std::string pageText(int page, int subpage) const;
    void setColumn(int k, const std::string& text);
    void updateCaption();
    int nextIndex() const;
    int previousIndex() const;
    int firstIndexOfPage(int page) const;
    int firstIndexOfSubpage(int subpage) const;

    // The owner's callbacks; each may be empty.
    std::function<bool(int)> isChecked;
    std::function<std::string(int)> valueText;
    std::function<void(int)> alternateAction;
    std::function<void(int)> selectAction;
    std::function<void()> rootBackAction;
    std::function<std::string(int)> captionText;

    std::string messageString;
    UIText* messageNode = nullptr;
    UIText* captionNode = nullptr;
    bool interactive = true;
    int deepestColumn = 0;
    bool backAtRoot = false;
    std::vector<MenuEntry> entries;
    std::string logoName;
    int selection = -1;
    int pageReturnIndex = -1;
    int subpageReturnIndex = -1;
    std::array<UIText*, 3> columns{};
    cocos2d::Sprite* logo = nullptr;
    cocos2d::Sprite* background = nullptr;

    // The fixed text of a "##CONTROLS" column.
    static const char* const kControlsText;
    static constexpr float kWidth = 484.0f;
    static constexpr float kHeight = 204.0f;
    static constexpr int kColumnWidth = 160;

protected:
    UIMenu();

private:
    const MenuEntry* selected() const;
    std::string entryText(const MenuEntry& entry) const;
    std::string entryLine(const MenuEntry& entry, int index, const MenuEntry& chosen) const;
    std::string keyHints() const;
    int probe(int step) const;
    void removeColumn(int k);
};
