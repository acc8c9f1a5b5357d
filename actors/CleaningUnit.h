#pragma once

class GameObject;

// A cleaning droid as the population and the actor manager see it: the body
// or litter it has taken on. The cleaning droid class derives from it.
class CleaningUnit
{
public:
    GameObject* cleaningTarget = nullptr;

protected:
    ~CleaningUnit() = default;
};
