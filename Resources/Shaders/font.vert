#version 330 core
// One glyph quad corner: (x, y) in world units, (u, v) in the glyph texture.
layout(location = 0) in vec4 aVertex;

uniform mat4 projection;
uniform mat4 view;

out vec2 vTexCoord;

void main()
{
    vTexCoord = aVertex.zw;
    gl_Position = projection * view * vec4(aVertex.xy, 0.0, 1.0);
}
