#include "renderer/Texture2D.h"

#include <cstdio>

#include "2d/Image.h"
#include "platform/GLContext.h"

namespace cocos2d {

namespace {
GLuint whiteTexture = 0;
}

Texture2D::~Texture2D()
{
    if (_name && glContextReady())
        glDeleteTextures(1, &_name);
}

bool Texture2D::initWithFile(const std::string& fullPath)
{
    Image image;
    const bool needPixels = glContextReady();
    if (!image.initWithImageFile(fullPath, !needPixels)) {
        std::fprintf(stderr, "Texture2D: %s\n", image.getError().c_str());
        return false;
    }
    _path = fullPath;
    if (needPixels)
        takePixels(image.getData(), image.getWidth(), image.getHeight());
    _pixelsWide = image.getWidth();
    _pixelsHigh = image.getHeight();
    _size = Size(float(_pixelsWide), float(_pixelsHigh));
    return true;
}

bool Texture2D::initWithImage(const Image* image)
{
    if (!image || image->getWidth() <= 0 || image->getHeight() <= 0)
        return false;
    _pixelsWide = image->getWidth();
    _pixelsHigh = image->getHeight();
    _size = Size(float(_pixelsWide), float(_pixelsHigh));
    if (image->hasPixels())
        takePixels(image->getData(), _pixelsWide, _pixelsHigh);
    return true;
}

void Texture2D::takePixels(const unsigned char* rgba, int width, int height)
{
    _pixels.assign(rgba, rgba + std::size_t(width) * height * 4);
    for (std::size_t i = 0; i < _pixels.size(); i += 4) {
        const unsigned alpha = _pixels[i + 3];
        for (int c = 0; c < 3; ++c)
            _pixels[i + c] = static_cast<unsigned char>((_pixels[i + c] * alpha + 127) / 255);
    }
}

void Texture2D::setTexParameters(const TexParams& params)
{
    _params = params;
    if (_name && glContextReady()) {
        glBindTexture(GL_TEXTURE_2D, _name);
        applyParams();
    }
}

void Texture2D::setAliasTexParameters()
{
    TexParams params = _params;
    params.minFilter = GL_NEAREST;
    params.magFilter = GL_NEAREST;
    setTexParameters(params);
}

void Texture2D::setAntiAliasTexParameters()
{
    TexParams params = _params;
    params.minFilter = GL_LINEAR;
    params.magFilter = GL_LINEAR;
    setTexParameters(params);
}

void Texture2D::applyParams()
{
    // Mipmaps are never built, so a mipmapping minification filter would
    // leave the texture incomplete (drawn black): fall back to its base filter.
    GLuint minFilter = _params.minFilter;
    if (minFilter == GL_NEAREST_MIPMAP_NEAREST || minFilter == GL_NEAREST_MIPMAP_LINEAR)
        minFilter = GL_NEAREST;
    else if (minFilter == GL_LINEAR_MIPMAP_NEAREST || minFilter == GL_LINEAR_MIPMAP_LINEAR)
        minFilter = GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GLint(minFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GLint(_params.magFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GLint(_params.wrapS));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GLint(_params.wrapT));
}

GLuint Texture2D::getName()
{
    if (!_name && !_uploadFailed && glContextReady() && !upload()) {
        _uploadFailed = true;
        std::fprintf(stderr, "Texture2D: cannot load the pixels of %s\n", _path.c_str());
    }
    return _name;
}

bool Texture2D::upload()
{
    if (_pixels.empty() && !_path.empty()) {
        Image image;
        if (!image.initWithImageFile(_path) || image.getWidth() != _pixelsWide || image.getHeight() != _pixelsHigh)
            return false;
        takePixels(image.getData(), image.getWidth(), image.getHeight());
    }
    if (_pixels.empty())
        return false;
    glGenTextures(1, &_name);
    glBindTexture(GL_TEXTURE_2D, _name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, _pixelsWide, _pixelsHigh, 0, GL_RGBA, GL_UNSIGNED_BYTE, _pixels.data());
    applyParams();
    // The file can be read again should the context be lost; generated pixels must stay.
    if (!_path.empty())
        std::vector<unsigned char>().swap(_pixels);
    return true;
}

GLuint Texture2D::getWhiteTextureName()
{
    if (!whiteTexture && glContextReady()) {
        const unsigned char white[4] = {255, 255, 255, 255};
        glGenTextures(1, &whiteTexture);
        glBindTexture(GL_TEXTURE_2D, whiteTexture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    return whiteTexture;
}

void Texture2D::whiteTextureContextLost()
{
    whiteTexture = 0;
}

}
