#pragma once
#include "actions/Action.h"
#include "math/Rect.h"

namespace cocos2d {

// Keeps another node at the centre of the screen by moving the target (a
// layer) against it, within an optional world rectangle. Ends when the
// followed node leaves the scene.
class Follow : public Action
{
public:
    static Follow* create(Node* followedNode, const Rect& rect = Rect::ZERO);
    ~Follow() override;

    bool isDone() const override;
    void step(float dt) override;

private:
    Follow() = default;
    void initWithTarget(Node* followedNode, const Rect& rect);

    Node* _followed = nullptr;
    bool _boundarySet = false;
    bool _fullyCovered = false;
    Vec2 _halfScreen;
    float _left = 0.0f, _right = 0.0f, _top = 0.0f, _bottom = 0.0f;
};

}
