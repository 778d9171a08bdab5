#version 330 core
// Textured particles: the texture's colour multiplied by the particle's colour and fade.
in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D sprite;

out vec4 fragColor;

void main()
{
    vec4 texel = texture(sprite, vTexCoord);
    fragColor = vec4(texel.rgb * vColor.rgb, texel.a * vColor.a);
}
