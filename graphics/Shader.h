// One GLSL program built from a vertex and a fragment file under Resources/Shaders/.
#pragma once
#include <cstdint>
#include <string>

namespace Framework
{
class Shader
{
public:
    // Both names are relative to "Resources/Shaders/".
    Shader(const std::string& vertexFile, const std::string& fragmentFile);
    // Compiles and links; every failure is logged and the program id is kept anyway.
    void LoadProgram(const std::string& vertexPath, const std::string& fragmentPath);
    // Builds a program from source text (the engine's own built-in programs).
    static uint32_t BuildProgram(const std::string& vertexText, const std::string& fragmentText);

    uint32_t mProgram = 0; // GL program id; programs go with the GL context
};
} // namespace Framework
