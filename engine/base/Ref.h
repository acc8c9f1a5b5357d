#pragma once

namespace cocos2d {

class Node;

// Reference counting: new objects start at 1; release() at 0 deletes.
// autorelease() hands one reference to the current pool, which drops it at
// the end of the frame.
class Ref
{
public:
    virtual ~Ref();

    void retain();
    void release();
    Ref* autorelease();
    unsigned int getReferenceCount() const { return _referenceCount; }

protected:
    Ref() = default;
    Ref(const Ref&) : Ref() {}
    Ref& operator=(const Ref&) { return *this; }

private:
    unsigned int _referenceCount = 1;
};

// Member callbacks taken as target + member pointer.
typedef void (Ref::*SEL_CallFunc)();
typedef void (Ref::*SEL_CallFuncN)(Node*);
typedef void (Ref::*SEL_CallFuncO)(Ref*);
typedef void (Ref::*SEL_MenuHandler)(Ref*);
typedef void (Ref::*SEL_SCHEDULE)(float);

}

#define callfunc_selector(_SELECTOR) static_cast<cocos2d::SEL_CallFunc>(&_SELECTOR)
#define callfuncN_selector(_SELECTOR) static_cast<cocos2d::SEL_CallFuncN>(&_SELECTOR)
#define callfuncO_selector(_SELECTOR) static_cast<cocos2d::SEL_CallFuncO>(&_SELECTOR)
#define menu_selector(_SELECTOR) static_cast<cocos2d::SEL_MenuHandler>(&_SELECTOR)
#define schedule_selector(_SELECTOR) static_cast<cocos2d::SEL_SCHEDULE>(&_SELECTOR)
#define CC_CALLFUNC_SELECTOR(_SELECTOR) callfunc_selector(_SELECTOR)
#define CC_CALLFUNCN_SELECTOR(_SELECTOR) callfuncN_selector(_SELECTOR)
#define CC_SCHEDULE_SELECTOR(_SELECTOR) schedule_selector(_SELECTOR)
#define CC_MENU_SELECTOR(_SELECTOR) menu_selector(_SELECTOR)
