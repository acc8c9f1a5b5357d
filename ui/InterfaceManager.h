#pragma once
#include <string>

#include "app/Singleton.h"
#include "cocos2d.h"

class GameMode;
class InterfaceElement;
class UIInterface;

// Decides which panels are on the screen in which game mode. Modes (the game
// driver's states) and panels are registered by id; when the game driver
// changes its state it calls setMode, and the manager lays every panel out,
// brings in those that become visible and takes away those that become hidden.
class InterfaceManager : public cocos2d::Ref, public Singleton<InterfaceManager>
{
public:
    static constexpr int kSlotCount = 20;
    static constexpr int kNoMode = -1;
    static constexpr float kTransitionTime = 0.4f;

    // Screen anchor codes: where a panel's corner goes and its default slide.
    enum AnchorCode {
        kTopLeft, kTopCentre, kTopRight, kRightMiddle, kBottomRight,
        kBottomCentre, kBottomLeft, kLeftMiddle, kCentre
    };

    // Ids are 0 to 19; others are ignored with a message.
    void registerMode(int id, std::string name);
    // Files a panel as element id, replacing any element of that id; a null
    // panel files nothing. The new element is visible in no mode and fades;
    // the caller sets those, then calls layoutElement once.
    void registerElement(int id, UIInterface* panel, int anchorCode);
    void setMode(int mode);
    void applyMode();
    void showElement(InterfaceElement* element, bool animate, bool fromHidden);
    void hideElement(InterfaceElement* element, bool animate);
    // Computes the panel's shown, off-screen and hidden positions from its
    // anchor code, its size and anchor point and the screen size.
    void layoutElement(UIInterface* panel, int anchorCode);

    GameMode* mode(int id) const;
    InterfaceElement* element(int id) const;

    cocos2d::Node* hostNode = nullptr;
    // The game driver's visible size; the Director's is used while unset.
    const cocos2d::Size* screenSize = nullptr;
    int currentMode = kNoMode;
    int nextMode = kNoMode;
    bool animateChanges = false;

private:
    friend class Singleton<InterfaceManager>;
    InterfaceManager() = default;
    ~InterfaceManager() override;

    static bool validSlot(int id);
    bool visibleIn(const InterfaceElement* element, int mode) const;
    cocos2d::Size screen() const;

    GameMode* _modes[kSlotCount] = {};
    InterfaceElement* _elements[kSlotCount] = {};
};
