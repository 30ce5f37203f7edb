#version 450 core
// The About view's full-view quad: positions from buffer 0, indexed by vertex id (triangle strip).

layout(std430, binding = 0) readonly buffer VertexPositions {
    vec2 positions[];
};

out vec2 uv; // 0..1 across the view, y up

void main() {
    vec2 p = positions[gl_VertexID];
    uv = p * 0.5 + 0.5;
    gl_Position = vec4(p, 0.0, 1.0);
}
