#pragma once
#include <memory>
#include <string>
#include <vector>

namespace cocos2d {

class SpriteShader;

// A triangle mesh in model units with texture coordinates (texture rows top
// first, as images are uploaded). Loaded from a Wavefront OBJ; the GL vertex
// buffer is made on first draw.
class Mesh
{
public:
    struct Vertex
    {
        float x, y, z;
        float u, v;
    };

    Mesh() = default;
    ~Mesh();
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;

    // Reads an OBJ file (triangulated; materials are ignored). Null with a
    // reason in error when the file cannot be read or holds no triangle.
    static std::unique_ptr<Mesh> loadObj(const std::string& path, std::string& error);
    static std::unique_ptr<Mesh> fromVertices(std::vector<Vertex> vertices);

    const std::vector<Vertex>& vertices() const { return _vertices; }
    // Axis-aligned bounds in model units.
    const float* boundsMin() const { return _min; }
    const float* boundsMax() const { return _max; }

    // Binds the vertex buffer to the shader's attributes (needs a GL context).
    bool bind(const SpriteShader& shader) const;
    void drawTriangles() const;
    void contextLost() const { _buffer = 0; }

private:
    void computeBounds();

    std::vector<Vertex> _vertices;
    float _min[3] = {0, 0, 0};
    float _max[3] = {0, 0, 0};
    mutable unsigned int _buffer = 0;
};

}
