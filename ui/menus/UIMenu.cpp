#include "ui/menus/UIMenu.h"

#include "app/ControllerKeys.h"
#include "app/SpriteHelpers.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"
#include "ui/hud/ActionPrompts.h"

#include <algorithm>

USING_NS_CC;

const char* const UIMenu::kControlsText =
    "`0CONTROLS:\n\n`%Move:`7 [`$wasd`7]\n`%Turn:`7 [`!mouse`7]\n`%Raise/Lower Weapon:`7 [`!right-click`7]\n"
    "`%Fire Weapon:`7 [`!left-click`7]\n`%Reload:`7 [`$r`7]\n`%Use/Pick up/Drop:`7 [`$e`7]\n"
    "`%Drop Weapon:`7 [`$f`7]\n`%Toggle Weapon:`7 [`$tab`7]\n`%Use Secondary:`7 [`$z`7]\n"
    "`%Toggle Secondary:`7 [`$q`7]\n`%Fire EMP:`7 [`$space`7]";

namespace {

const char* const kStatsLabel = "##STATS";
const char* const kControlsLabel = "##CONTROLS";

// Toggle and value entries are padded so that their mark or value ends here.
constexpr size_t kEntryTextWidth = 23;
// A toggle's " (x)" tail: the padding goes in front of it.
constexpr size_t kCheckMarkTail = 4;

constexpr int kColumnHeight = 196;
constexpr float kRootColumnX = 324.0f;
constexpr int kColumnZ = 1100;
constexpr int kBackgroundZ = -100;
constexpr GLubyte kBackgroundOpacity = 128;
constexpr float kBackgroundStartX = 320.0f;
constexpr float kSlideSeconds = 0.5f;
constexpr float kFadeSeconds = 0.5f;
const Vec2 kLogoCorner(480.0f, 200.0f);
const Vec2 kMessagePosition(6.0f, -4.0f);
const Vec2 kCaptionPosition(4.0f, 12.0f);
// A column that opens is typed in; one that is only redrawn shows at once.
constexpr float kRevealInterval = 0.025f;
constexpr float kRevealDelay = 0.5f;
// Most probes a move makes before it stays where it is.
constexpr int kMaxProbes = 4;

// Keys on the keypad, in the engine's numbering.
constexpr int kKeypadUp = 34;
constexpr int kKeypadLeft = 36;
constexpr int kKeypadRight = 38;
constexpr int kKeypadDown = 40;

enum class MenuKey { None, Up, Down, Open, Back, Alternate };

MenuKey menuKeyFor(int key)
{
    switch (key)
    {
    case Key::Up:
    case kKeypadUp:
    case Key::W:
        return MenuKey::Up;
    case Key::Down:
    case kKeypadDown:
    case Key::S:
        return MenuKey::Down;
    case Key::Left:
    case kKeypadLeft:
    case Key::A:
    case Key::E:
        return MenuKey::Open;
    case Key::Right:
    case kKeypadRight:
    case Key::D:
    case Key::Escape:
    case Key::Q:
        return MenuKey::Back;
    case Key::Tab:
        return MenuKey::Alternate;
    default:
        return Key::isEnter(key) ? MenuKey::Open : MenuKey::None;
    }
}

template <typename T>
void removeNode(T*& node)
{
    if (!node)
        return;
    node->removeFromParentAndCleanup(true);
    node = nullptr;
}

}

UIMenu* UIMenu::create()
{
    auto* menu = new UIMenu();
    menu->autorelease();
    return menu;
}

UIMenu::UIMenu()
{
    Node::init();
    setContentSize(Size(kWidth, kHeight));
    background = createSprite("UI_MainMenu.png");
    if (background)
    {
        background->setOpacity(kBackgroundOpacity);
        background->setAnchorPoint(Vec2::ZERO);
        background->setPosition(Vec2(kBackgroundStartX, 0.0f));
        addChild(background, kBackgroundZ);
    }
}

UIMenu::~UIMenu() = default;

void UIMenu::addItem(int id, int page, int subpage, const std::string& label, bool enabled, int targetPage,
                     int targetSubpage, int kind)
{
    selection = 0;
    MenuEntry entry;
    entry.enabled = enabled;
    entry.id = id;
    entry.page = page;
    entry.subpage = subpage;
    entry.targetPage = targetPage;
    entry.targetSubpage = targetSubpage;
    entry.kind = kind;
    entry.label = label;
    entries.push_back(entry);
}

void UIMenu::setItemLabel(int id, const std::string& label)
{
    for (MenuEntry& entry : entries)
        if (entry.id == id)
            entry.label = label;
}

void UIMenu::setMessage(const std::string& text)
{
    messageString = text;
    removeNode(messageNode);
    if (!background)
        return;
    messageNode = UIText::create(-1, -1, text);
    messageNode->setAnchorPoint(Vec2(0.0f, 1.0f));
    messageNode->setPosition(kMessagePosition);
    background->addChild(messageNode, 1);
}

void UIMenu::clearColumns()
{
    removeNode(messageNode);
    removeNode(logo);
    for (UIText*& column : columns)
    {
        if (column)
            column->cleanup();
        column = nullptr;
    }
}

const MenuEntry* UIMenu::selected() const
{
    if (selection < 0 || selection >= static_cast<int>(entries.size()))
        return nullptr;
    return &entries[selection];
}

std::string UIMenu::entryText(const MenuEntry& entry) const
{
    switch (entry.kind)
    {
    case MenuEntry::kPlain:
        return entry.label;
    case MenuEntry::kToggle:
    {
        const bool checked = isChecked && isChecked(entry.id);
        std::string text = formatString("%s (%c)", entry.label.c_str(), checked ? 'x' : ' ');
        if (text.size() < kEntryTextWidth)
            text.insert(text.size() - kCheckMarkTail, kEntryTextWidth - text.size(), ' ');
        return text;
    }
    case MenuEntry::kValue:
    {
        const std::string value = valueText ? valueText(entry.id) : std::string();
        std::string text = formatString("%s: %s", entry.label.c_str(), value.c_str());
        if (text.size() < kEntryTextWidth)
            text = entry.label + ": " + std::string(kEntryTextWidth - text.size(), ' ') + value;
        return text;
    }
    default:
        return std::string();
    }
}

std::string UIMenu::entryLine(const MenuEntry& entry, int index, const MenuEntry& chosen) const
{
    const std::string display = entryText(entry);
    const bool isSelected = index == selection;
    const char* prefix = isSelected ? "`![" : " ";
    if (!entry.inColumn(chosen.page, chosen.subpage))
    {
        // A column to the right of the selection marks the entry that leads to it.
        const bool leadsHere = entry.targetPage == chosen.page && entry.targetSubpage == chosen.subpage;
        return formatString(leadsHere ? "\n`7<%s`7" : "\n`8 %s`7", display.c_str());
    }
    if (!entry.enabled)
        return formatString("\n%s`8%s`7", prefix, display.c_str()) + (isSelected ? "`!]" : "");
    if (isSelected)
        return formatString("\n%s`%%%s`7", prefix, display.c_str()) + "`!]";
    return formatString("\n%s`7%s`7", prefix, display.c_str());
}

std::string UIMenu::keyHints() const
{
    std::string hints = formatString("\n\n\n`$arrows`7.. `%%move") + formatString("\n`$e`7... `%%select");
    if (backAtRoot)
        hints += formatString("\n`$%s`7... `@back", actionPrompt(kPromptBackKey).c_str());
    return hints;
}

std::string UIMenu::pageText(int page, int subpage) const
{
    const MenuEntry* chosen = selected();
    if (!chosen)
        return std::string();
    std::string text;
    bool hints = false;
    for (size_t i = 0; i < entries.size(); ++i)
    {
        const MenuEntry& entry = entries[i];
        if (!entry.inColumn(page, subpage))
            continue;
        if (entry.label == kStatsLabel)
            return StatEngine::getInstance()->showStats();
        if (entry.label == kControlsLabel)
            return kControlsText;
        text += entryLine(entry, static_cast<int>(i), *chosen);
        hints = hints || (static_cast<int>(i) == selection && entry.enabled);
    }
    if (hints)
        text += keyHints();
    return text;
}

void UIMenu::removeColumn(int k)
{
    removeNode(columns[k]);
}

void UIMenu::setColumn(int k, const std::string& text)
{
    messageString.clear();
    removeNode(messageNode);
    deepestColumn = std::max(deepestColumn, k);
    const bool replaced = columns[k] != nullptr;
    removeColumn(k);

    // The logo's own image height is taken, not its scaled one.
    const int height = kColumnHeight - (logo ? static_cast<int>(logo->getContentSize().height) : 0);
    UIText* column = UIText::create(kColumnWidth, height, "");
    column->setText(false, false, text);
    column->setAnchorPoint(Vec2::ZERO);
    column->setPosition(Vec2(kRootColumnX - static_cast<float>(kColumnWidth * k), 0.0f));
    addChild(column, kColumnZ);
    columns[k] = column;
    if (replaced)
        column->buildGlyphs(UIText::kShowAtOnce, 0.0f, 0.0f);
    else
        column->buildGlyphs(UIText::kTypewriter, kRevealInterval, kRevealDelay);
}

void UIMenu::refresh()
{
    removeNode(logo);
    interactive = true;
    if (!logoName.empty() && (logo = createSprite(logoName)))
    {
        logo->setAnchorPoint(Vec2(1.0f, 1.0f));
        logo->setPosition(kLogoCorner);
        const float width = logo->getContentSize().width;
        if (width > kColumnWidth)
            logo->setScale(kColumnWidth / width);
        addChild(logo, 1);
    }

    deepestColumn = 0;
    const MenuEntry* chosen = selected();
    if (!chosen)
        return;
    const MenuEntry current = *chosen;
    if (current.subpage == MenuEntry::kNone)
        removeColumn(2);
    else
        setColumn(2, pageText(current.page, current.subpage));
    if (current.page == MenuEntry::kNone)
        removeColumn(1);
    else
        setColumn(1, pageText(current.page, MenuEntry::kNone));
    setColumn(0, pageText(MenuEntry::kNone, MenuEntry::kNone));

    if (background)
    {
        background->stopAllActions();
        const Vec2 cover(static_cast<float>((2 - deepestColumn) * kColumnWidth), 0.0f);
        background->runAction(EaseSineInOut::create(MoveTo::create(kSlideSeconds, cover)));
    }
    updateCaption();
}

void UIMenu::updateCaption()
{
    const MenuEntry* chosen = selected();
    if (!captionText || !chosen)
        return;
    const std::string caption = captionText(chosen->id);
    removeNode(captionNode);
    if (caption.empty() || !background)
        return;
    captionNode = UIText::create(-1, -1, caption);
    captionNode->setAnchorPoint(Vec2::ZERO);
    captionNode->setPosition(kCaptionPosition);
    background->addChild(captionNode, 1);
}

int UIMenu::probe(int step) const
{
    const MenuEntry* chosen = selected();
    if (!chosen)
        return selection;
    const int count = static_cast<int>(entries.size());
    for (int k = 1; k <= kMaxProbes; ++k)
    {
        const int index = ((selection + step * k) % count + count) % count;
        if (index != selection && entries[index].inColumn(chosen->page, chosen->subpage))
            return index;
    }
    return selection;
}

int UIMenu::nextIndex() const
{
    return probe(1);
}

int UIMenu::previousIndex() const
{
    return probe(-1);
}

int UIMenu::firstIndexOfPage(int page) const
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].page == page)
            return static_cast<int>(i);
    return -1;
}

int UIMenu::firstIndexOfSubpage(int subpage) const
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].subpage == subpage)
            return static_cast<int>(i);
    return -1;
}

void UIMenu::moveSelection(int delta)
{
    if (!interactive)
        return;
    selection = delta > 0 ? nextIndex() : previousIndex();
    refresh();
}

void UIMenu::select()
{
    const MenuEntry* chosen = selected();
    if (!interactive || !chosen || !chosen->enabled)
        return;
    // A column that has no entry cannot be opened.
    if (chosen->targetSubpage != MenuEntry::kNone)
    {
        const int first = firstIndexOfSubpage(chosen->targetSubpage);
        if (first == -1)
            return;
        subpageReturnIndex = selection;
        selection = first;
        refresh();
    }
    else if (chosen->targetPage != MenuEntry::kNone)
    {
        const int first = firstIndexOfPage(chosen->targetPage);
        if (first == -1)
            return;
        pageReturnIndex = selection;
        selection = first;
        refresh();
    }
    else if (selectAction)
    {
        selectAction(chosen->id);
    }
}

void UIMenu::back()
{
    const MenuEntry* chosen = selected();
    if (!interactive || !chosen)
        return;
    if (chosen->page == MenuEntry::kNone)
    {
        if (backAtRoot && rootBackAction)
            rootBackAction();
        return;
    }
    const int target = chosen->subpage != MenuEntry::kNone ? subpageReturnIndex : pageReturnIndex;
    // A column reached without its way back returns to the first entry.
    selection = target >= 0 && target < static_cast<int>(entries.size()) ? target : 0;
    refresh();
}

bool UIMenu::handleKey(int keyCode)
{
    if (!interactive)
        return false;
    switch (menuKeyFor(keyCode))
    {
    case MenuKey::Up:
        moveSelection(-1);
        break;
    case MenuKey::Down:
        moveSelection(1);
        break;
    case MenuKey::Open:
        select();
        break;
    case MenuKey::Back:
        back();
        break;
    case MenuKey::Alternate:
        if (alternateAction && selected())
        {
            alternateAction(selected()->id);
            refresh();
        }
        break;
    case MenuKey::None:
        break;
    }
    return true;
}

void UIMenu::onCloseKey(int keyCode)
{
    if ((keyCode == Key::Space || keyCode == Key::Escape) && rootBackAction)
        rootBackAction();
}

void UIMenu::close(Ref* target, SEL_CallFunc selector)
{
    interactive = false;
    if (background)
        background->runAction(FadeOut::create(kFadeSeconds));
    if (logo)
        logo->runAction(FadeOut::create(kFadeSeconds));
    auto callBack = [target, selector]() {
        return Sequence::create(DelayTime::create(kFadeSeconds),
                                CallFunc::create([target, selector]() { (target->*selector)(); }), nullptr);
    };
    bool scheduled = false;
    for (UIText* column : columns)
    {
        if (!column)
            continue;
        for (Sprite* glyph : column->glyphs)
            glyph->runAction(FadeOut::create(kFadeSeconds));
        // Every column calls back; the first callback takes the menu down,
        // which cancels the others.
        if (target && selector)
        {
            column->runAction(callBack());
            scheduled = true;
        }
    }
    // A menu that never showed a column still closes.
    if (target && selector && !scheduled)
        runAction(callBack());
}
