#include "graphics/Shader.h"
#include <GL/glew.h>
#include <fstream>
#include <sstream>
#include "core/engine/DebugSystem.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
constexpr GLsizei InfoLogSize = 512;

// Returns the whole file; a missing file reads as empty text. Anything but a
// regular file (a pipe would block) is a failed read.
std::string ReadWhole(const std::string& path, bool& failed)
{
    const std::string native = Platform::NativePath(path);
    std::string text;
    if (!Platform::ReadWholeFile(native, text) && Platform::KindOfFile(native) != Platform::FileKind::Missing)
        failed = true;
    return text;
}

GLuint Compile(GLenum type, const std::string& source, const char* failureLine)
{
    const GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint success = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &success);
    if (!success)
    {
        char info[InfoLogSize] = {};
        glGetShaderInfoLog(shader, InfoLogSize, nullptr, info);
        Log(failureLine);
        Log(info);
    }
    return shader;
}

GLuint Link(GLuint vertex, GLuint fragment)
{
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    GLint success = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &success);
    if (!success)
    {
        char info[InfoLogSize] = {};
        glGetProgramInfoLog(program, InfoLogSize, nullptr, info);
        Log("Shader Program linking failed.");
        Log(info);
    }
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return program;
}
} // namespace

Shader::Shader(const std::string& vertexFile, const std::string& fragmentFile)
{
    LoadProgram("Resources/Shaders/" + vertexFile, "Resources/Shaders/" + fragmentFile);
}

void Shader::LoadProgram(const std::string& vertexPath, const std::string& fragmentPath)
{
    Log("Constructing Shader Object");
    bool failed = false;
    const std::string vertexText = ReadWhole(vertexPath, failed);
    const std::string fragmentText = ReadWhole(fragmentPath, failed);
    if (failed)
        Log("Shader file not successfully read");
    mProgram = BuildProgram(vertexText, fragmentText);
    Log("Shader construction end");
}

uint32_t Shader::BuildProgram(const std::string& vertexText, const std::string& fragmentText)
{
    const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexText, "Vertex Shader compilation failed.");
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, fragmentText, "Fragment Shader compilation failed.");
    return Link(vertex, fragment);
}
} // namespace Framework
