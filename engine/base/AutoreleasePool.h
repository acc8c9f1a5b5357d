#pragma once
#include <vector>

namespace cocos2d {

class Ref;

// Holds one reference of every autoreleased object until clear(), which the
// Director calls once a frame. Objects autoreleased while the pool is being
// cleared stay for the next clear.
class AutoreleasePool
{
public:
    static AutoreleasePool* getInstance();

    void addObject(Ref* object);
    void clear();
    bool contains(const Ref* object) const;
    std::size_t size() const { return _objects.size(); }

private:
    AutoreleasePool() = default;
    std::vector<Ref*> _objects;
};

}
