#pragma once
#include <GL/glew.h>

#include <string>
#include <vector>

#include "base/Ref.h"
#include "math/Size.h"

namespace cocos2d {

class Image;

// A picture for drawing. Its size is known from the image header alone, so
// sprites built on it have their sizes in headless runs; the pixels are
// decoded and sent to GL only when a GL context is ready, at the first draw.
// Pixels are stored with premultiplied alpha (the engine's one rule: draw
// with BlendFunc::ALPHA_PREMULTIPLIED, colours premultiplied by opacity).
class Texture2D : public Ref
{
public:
    struct TexParams
    {
        GLuint minFilter;
        GLuint magFilter;
        GLuint wrapS;
        GLuint wrapT;
    };

    Texture2D() = default;
    ~Texture2D() override;

    // From a file (a full path). Reads only the header without a GL context.
    bool initWithFile(const std::string& fullPath);
    // From decoded pixels (kept until uploaded).
    bool initWithImage(const Image* image);

    void setTexParameters(const TexParams& params);
    const TexParams& getTexParameters() const { return _params; }
    // Nearest filtering.
    void setAliasTexParameters();
    // Linear filtering.
    void setAntiAliasTexParameters();

    // The GL texture name, uploading first when needed; 0 without a context or
    // when the pixels cannot be had.
    GLuint getName();
    const Size& getContentSize() const { return _size; }
    int getPixelsWide() const { return _pixelsWide; }
    int getPixelsHigh() const { return _pixelsHigh; }
    bool hasPremultipliedAlpha() const { return true; }
    const std::string& getPath() const { return _path; }

    // A 1x1 white texture, for untextured quads (colour layers).
    static GLuint getWhiteTextureName();
    // The context went away: forget GL names without GL calls.
    void contextLost() { _name = 0; }
    static void whiteTextureContextLost();

private:
    bool upload();
    void applyParams();
    void takePixels(const unsigned char* rgba, int width, int height);

    std::string _path;
    std::vector<unsigned char> _pixels;  // premultiplied RGBA, top row first, until uploaded
    Size _size;
    int _pixelsWide = 0;
    int _pixelsHigh = 0;
    GLuint _name = 0;
    bool _uploadFailed = false;
    TexParams _params = {GL_LINEAR, GL_LINEAR, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE};
};

}
