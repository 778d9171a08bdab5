#version 330 core
// Debug lines: position and colour only.
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec4 aColor;

uniform mat4 view;
uniform mat4 projection;
uniform mat4 world;

out vec4 vColor;

void main()
{
    vColor = aColor;
    gl_Position = projection * view * world * vec4(aPosition, 1.0);
}
