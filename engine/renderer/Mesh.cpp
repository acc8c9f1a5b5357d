#include "renderer/Mesh.h"

#include <GL/glew.h>
#include <tiny_obj_loader.h>

#include <algorithm>
#include <cstddef>

#include "platform/GLContext.h"
#include "renderer/SpriteShader.h"

namespace cocos2d {

Mesh::~Mesh()
{
    // Without a live context the buffer died with it (and GL may not be
    // called at all); a context made since forgets old names through contextLost.
    if (_buffer && glContextReady())
        glDeleteBuffers(1, &_buffer);
}

std::unique_ptr<Mesh> Mesh::loadObj(const std::string& path, std::string& error)
{
    tinyobj::attrib_t attrib;
    std::vector<tinyobj::shape_t> shapes;
    std::vector<tinyobj::material_t> materials;
    std::string warn;
    std::string err;
    const std::string folder = path.substr(0, path.find_last_of('/') + 1);
    if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warn, &err, path.c_str(), folder.c_str(), true)) {
        error = path + ": " + (err.empty() ? "cannot read the model" : err);
        return nullptr;
    }
    std::vector<Vertex> vertices;
    for (const tinyobj::shape_t& shape : shapes) {
        for (const tinyobj::index_t& index : shape.mesh.indices) {
            Vertex v{0, 0, 0, 0, 0};
            if (index.vertex_index < 0 || std::size_t(3 * index.vertex_index + 2) >= attrib.vertices.size())
                continue;
            v.x = attrib.vertices[3 * index.vertex_index + 0];
            v.y = attrib.vertices[3 * index.vertex_index + 1];
            v.z = attrib.vertices[3 * index.vertex_index + 2];
            if (index.texcoord_index >= 0 && std::size_t(2 * index.texcoord_index + 1) < attrib.texcoords.size()) {
                v.u = attrib.texcoords[2 * index.texcoord_index + 0];
                // OBJ counts v from the image's bottom row; textures hold the top row first.
                v.v = 1.0f - attrib.texcoords[2 * index.texcoord_index + 1];
            }
            vertices.push_back(v);
        }
    }
    vertices.resize(vertices.size() - vertices.size() % 3);
    if (vertices.empty()) {
        error = path + ": the model holds no triangle";
        return nullptr;
    }
    return fromVertices(std::move(vertices));
}

std::unique_ptr<Mesh> Mesh::fromVertices(std::vector<Vertex> vertices)
{
    std::unique_ptr<Mesh> mesh(new Mesh());
    mesh->_vertices = std::move(vertices);
    mesh->computeBounds();
    return mesh;
}

void Mesh::computeBounds()
{
    if (_vertices.empty())
        return;
    const Vertex& first = _vertices.front();
    _min[0] = _max[0] = first.x;
    _min[1] = _max[1] = first.y;
    _min[2] = _max[2] = first.z;
    for (const Vertex& v : _vertices) {
        const float p[3] = {v.x, v.y, v.z};
        for (int i = 0; i < 3; ++i) {
            _min[i] = std::min(_min[i], p[i]);
            _max[i] = std::max(_max[i], p[i]);
        }
    }
}

bool Mesh::bind(const SpriteShader& shader) const
{
    if (_vertices.empty())
        return false;
    if (!_buffer) {
        glGenBuffers(1, &_buffer);
        glBindBuffer(GL_ARRAY_BUFFER, _buffer);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(_vertices.size() * sizeof(Vertex)), _vertices.data(),
                     GL_STATIC_DRAW);
    }
    glBindBuffer(GL_ARRAY_BUFFER, _buffer);
    glEnableVertexAttribArray(GLuint(shader.positionAttrib()));
    glVertexAttribPointer(GLuint(shader.positionAttrib()), 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<void*>(offsetof(Vertex, x)));
    glEnableVertexAttribArray(GLuint(shader.texCoordAttrib()));
    glVertexAttribPointer(GLuint(shader.texCoordAttrib()), 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<void*>(offsetof(Vertex, u)));
    // Meshes carry no vertex colour: the tint alone colours them.
    glDisableVertexAttribArray(GLuint(shader.colorAttrib()));
    glVertexAttrib4f(GLuint(shader.colorAttrib()), 1.0f, 1.0f, 1.0f, 1.0f);
    return true;
}

void Mesh::drawTriangles() const
{
    glDrawArrays(GL_TRIANGLES, 0, GLsizei(_vertices.size()));
}

}
