#pragma once
#include "cocos2d.h"

class UIInterface;

// A panel filed with the InterfaceManager: where it is anchored on the screen,
// how it comes and goes, and in which game modes it is on the screen.
class InterfaceElement : public cocos2d::Ref
{
public:
    static constexpr int kModeCount = 20;
    // Transition kinds.
    static constexpr int kInstant = 0;
    static constexpr int kFade = 1;  // showAnimated / hideAnimated
    static constexpr int kMove = 2;  // moveIn / moveOut

    // The element keeps the panel alive for as long as it is filed.
    InterfaceElement(int id, UIInterface* panel, int anchorCode);
    ~InterfaceElement() override;
    InterfaceElement(const InterfaceElement&) = delete;
    InterfaceElement& operator=(const InterfaceElement&) = delete;

    int elementId;
    bool shown = false;
    bool enabled = true;
    int anchorCode;
    UIInterface* panel;
    bool visibleInMode[kModeCount] = {};
    int transitionKind = kFade;
};
