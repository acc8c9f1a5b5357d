#include "3d/MeshCache.h"

#include <cstdio>

#include "platform/FileUtils.h"
#include "platform/GLContext.h"
#include "renderer/Mesh.h"

namespace cocos2d {

MeshCache* MeshCache::getInstance()
{
    static MeshCache instance;
    return &instance;
}

const Mesh* MeshCache::getMesh(const std::string& fileName)
{
    FileUtils* files = FileUtils::getInstance();
    const std::string path = files->fullPathForFilename(fileName);
    auto found = _meshes.find(path);
    if (found != _meshes.end())
        return found->second.get();
    if (path.empty() || !files->isFileExist(path)) {
        std::fprintf(stderr, "Sprite3D: model file \"%s\" not found\n", fileName.c_str());
        return nullptr;
    }
    std::string error;
    std::unique_ptr<Mesh> mesh = Mesh::loadObj(path, error);
    if (!mesh) {
        std::fprintf(stderr, "Sprite3D: %s\n", error.c_str());
        return nullptr;
    }
    const Mesh* result = mesh.get();
    _meshes.emplace(path, std::move(mesh));
    return result;
}

void MeshCache::removeAllMeshes()
{
    if (!glContextReady())
        contextLost();
    _meshes.clear();
}

void MeshCache::contextLost()
{
    for (auto& entry : _meshes)
        entry.second->contextLost();
}

}
