#pragma once
#include <GL/glew.h>

namespace cocos2d {

// The one GL program everything is drawn with: position, premultiplied
// vertex colour and texture coordinates, times a tint, through one
// model-view-projection matrix. Built on first use with a current context.
class SpriteShader
{
public:
    static SpriteShader* getInstance();

    // Compiles the program when needed; false (with a message on stderr) when
    // the driver refuses it.
    bool use();
    // Forgets the program without GL calls: the context it belonged to is gone.
    void contextLost();
    // True when the current context does not know the program built earlier:
    // the window (and its context) was made anew since.
    bool belongsToAnotherContext() const;

    GLint positionAttrib() const { return _position; }
    GLint colorAttrib() const { return _color; }
    GLint texCoordAttrib() const { return _texCoord; }
    void setMatrix(const float* columnMajor4x4) const;
    void setTint(float r, float g, float b, float a) const;

private:
    SpriteShader() = default;
    bool build();

    GLuint _program = 0;
    bool _failed = false;
    GLint _position = -1;
    GLint _color = -1;
    GLint _texCoord = -1;
    GLint _matrix = -1;
    GLint _tint = -1;
    GLint _sampler = -1;
};

}
