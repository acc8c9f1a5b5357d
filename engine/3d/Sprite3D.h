#pragma once
#include <string>

#include "2d/Node.h"
#include "base/BlendFunc.h"

namespace cocos2d {

class Mesh;
class Texture2D;

// A textured mesh from an OBJ model, placed by the node's 3D position,
// rotation and scale, tinted by its colour and opacity, and depth-tested
// against the other meshes of the frame.
class Sprite3D : public Node
{
public:
    // Null, with a message, when the model cannot be read. A texture that
    // cannot be loaded is reported and the mesh is drawn untextured (white).
    static Sprite3D* create(const std::string& modelFile);
    static Sprite3D* create(const std::string& modelFile, const std::string& textureFile);
    ~Sprite3D() override;

    virtual bool initWithFile(const std::string& modelFile);

    void setTexture(const std::string& textureFile);
    void setTexture(Texture2D* texture);
    Texture2D* getTexture() const { return _texture; }
    const Mesh* getMesh() const { return _mesh; }

    void setBlendFunc(const BlendFunc& blend) { _blendFunc = blend; }
    const BlendFunc& getBlendFunc() const { return _blendFunc; }

    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    Sprite3D() = default;

private:
    const Mesh* _mesh = nullptr;
    Texture2D* _texture = nullptr;
    BlendFunc _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
};

}
