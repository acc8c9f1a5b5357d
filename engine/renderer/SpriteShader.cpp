#include "renderer/SpriteShader.h"

#include <cstdio>
#include <string>

namespace cocos2d {

namespace {

const char* VERTEX_SOURCE = R"(
#version 120
attribute vec3 a_position;
attribute vec4 a_color;
attribute vec2 a_texCoord;
uniform mat4 u_MVP;
uniform vec4 u_tint;
varying vec4 v_color;
varying vec2 v_texCoord;
void main()
{
    v_color = a_color * u_tint;
    v_texCoord = a_texCoord;
    gl_Position = u_MVP * vec4(a_position, 1.0);
}
)";

const char* FRAGMENT_SOURCE = R"(
#version 120
uniform sampler2D u_texture;
varying vec4 v_color;
varying vec2 v_texCoord;
void main()
{
    gl_FragColor = texture2D(u_texture, v_texCoord) * v_color;
}
)";

GLuint compile(GLenum kind, const char* source)
{
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[1024] = {0};
        glGetShaderInfoLog(shader, sizeof log - 1, nullptr, log);
        std::fprintf(stderr, "SpriteShader: shader does not compile: %s\n", log);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

}

SpriteShader* SpriteShader::getInstance()
{
    static SpriteShader instance;
    return &instance;
}

bool SpriteShader::build()
{
    GLuint vs = compile(GL_VERTEX_SHADER, VERTEX_SOURCE);
    GLuint fs = compile(GL_FRAGMENT_SHADER, FRAGMENT_SOURCE);
    if (!vs || !fs) {
        if (vs) glDeleteShader(vs);
        if (fs) glDeleteShader(fs);
        return false;
    }
    _program = glCreateProgram();
    glAttachShader(_program, vs);
    glAttachShader(_program, fs);
    glLinkProgram(_program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = GL_FALSE;
    glGetProgramiv(_program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[1024] = {0};
        glGetProgramInfoLog(_program, sizeof log - 1, nullptr, log);
        std::fprintf(stderr, "SpriteShader: program does not link: %s\n", log);
        glDeleteProgram(_program);
        _program = 0;
        return false;
    }
    _position = glGetAttribLocation(_program, "a_position");
    _color = glGetAttribLocation(_program, "a_color");
    _texCoord = glGetAttribLocation(_program, "a_texCoord");
    _matrix = glGetUniformLocation(_program, "u_MVP");
    _tint = glGetUniformLocation(_program, "u_tint");
    _sampler = glGetUniformLocation(_program, "u_texture");
    return true;
}

bool SpriteShader::use()
{
    if (!_program && !_failed && !build())
        _failed = true;
    if (!_program)
        return false;
    glUseProgram(_program);
    glUniform1i(_sampler, 0);
    return true;
}

void SpriteShader::contextLost()
{
    _program = 0;
    _failed = false;
}

bool SpriteShader::belongsToAnotherContext() const
{
    return _program != 0 && glIsProgram(_program) != GL_TRUE;
}

void SpriteShader::setMatrix(const float* columnMajor4x4) const
{
    glUniformMatrix4fv(_matrix, 1, GL_FALSE, columnMajor4x4);
}

void SpriteShader::setTint(float r, float g, float b, float a) const
{
    glUniform4f(_tint, r, g, b, a);
}

}
