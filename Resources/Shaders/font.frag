#version 330 core
// The glyph's coverage is in the texture's red channel.
in vec2 vTexCoord;

uniform sampler2D text;
uniform vec3 textColor;

out vec4 fragColor;

void main()
{
    fragColor = vec4(textColor, texture(text, vTexCoord).r);
}
