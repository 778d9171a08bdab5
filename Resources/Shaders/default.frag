#version 330 core
// The sheet texture tinted by the vertex colour.
in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D sprite;

out vec4 fragColor;

void main()
{
    fragColor = texture(sprite, vTexCoord) * vColor;
}
