#pragma once
#include <memory>
#include <string>
#include <unordered_map>

namespace cocos2d {

class Mesh;

// One mesh per model file, shared by every Sprite3D that shows it (the rain
// makes a hundred drops of one model).
class MeshCache
{
public:
    static MeshCache* getInstance();

    // The mesh of an OBJ file found through the search paths; null, with a
    // message naming the file, when it is missing or unreadable.
    const Mesh* getMesh(const std::string& fileName);
    void removeAllMeshes();
    // The GL context went away: meshes forget their GL buffers.
    void contextLost();

private:
    MeshCache() = default;
    MeshCache(const MeshCache&) = delete;
    MeshCache& operator=(const MeshCache&) = delete;

    std::unordered_map<std::string, std::unique_ptr<Mesh>> _meshes;
};

}
