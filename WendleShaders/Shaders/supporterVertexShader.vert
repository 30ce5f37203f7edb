#version 450 core
// The switch view's full-view quad: positions from buffer 0, indexed by vertex id (triangle strip).
//
// It also works out the values that stay the same for a whole frame - the ground's tint, each
// lamp's breathing, each ripple's size and fade - and hands them to every pixel unchanged (flat):
// four vertices compute them instead of every pixel. Reads the fragment function's uniforms
// (bytes 1: time; buffers 3-6: the switch arrays, six packed floats each as two vec4s).

layout(std430, binding = 0) readonly buffer VertexPositions {
    vec2 positions[];
};
layout(std140, binding = 1) uniform Time {
    float time;
};
layout(std140, binding = 3) uniform SwitchOn {
    vec4 switchOn[2];
};
layout(std140, binding = 5) uniform SwitchHistory {
    vec4 switchHistory[2];
};
layout(std140, binding = 6) uniform SwitchHistoryTime {
    vec4 switchHistoryTime[2];
};

out vec2 uv; // 0..1 across the view, y up

// The mean colour of the switches that are on.
flat out vec3 tint;
// Per lamp: its breathing factor (about 1).
flat out float breath[6];
// Per history entry, newest first: the ripple's centre x (or -100: none, or faded away), radius,
// width and fade, and its colour.
flat out vec4 ripples[6];
flat out vec3 rippleColours[6];
// Per history pip: its colour, brighter while fresh; alpha 0 for an empty place.
flat out vec4 pips[6];

const vec3 kColours[6] = vec3[6](vec3(0.888, 0.533, 0.076), vec3(0.078, 0.366, 0.930), vec3(0.871, 0.117, 0.102),
                                 vec3(0.376, 0.202, 0.913), vec3(0.078, 0.637, 0.565), vec3(0.198, 0.651, 0.250));
const float kRadius = 0.34;

void main() {
    vec2 p = positions[gl_VertexID];
    uv = p * 0.5 + 0.5;
    gl_Position = vec4(p, 0.0, 1.0);

    vec3 sum = vec3(0.0);
    float lit = 0.0;
    for (int i = 0; i < 6; ++i) {
        float on = switchOn[i >> 2][i & 3];
        sum += kColours[i] * on;
        lit += on;
        breath[i] = 1.0 + 0.10 * sin(time * 2.2 + float(i) * 1.1);
    }
    tint = sum / max(lit, 1.0);
    for (int k = 0; k < 6; ++k) {
        float index = switchHistory[k >> 2][k & 3];
        float age = max(0.0, time - switchHistoryTime[k >> 2][k & 3]);
        float fade = exp(-age * 1.1);
        int j = clamp(int(index + 0.5), 0, 5);
        bool shown = index >= 0.0 && fade >= 0.02;
        ripples[k] = vec4(shown ? float(j) - 2.5 : -100.0, kRadius + age * 0.9, 0.05 + age * 0.02, fade);
        rippleColours[k] = kColours[j];
        float fresh = 0.45 + 0.55 * exp(-age * 0.8);
        pips[k] = index >= 0.0 ? vec4(kColours[j] * fresh, 1.0) : vec4(0.0);
    }
}
