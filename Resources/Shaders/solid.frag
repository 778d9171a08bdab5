#version 330 core
// Untextured quads in the vertex colour (box particles).
in vec4 vColor;
in vec2 vTexCoord;

out vec4 fragColor;

void main()
{
    fragColor = vColor;
}
