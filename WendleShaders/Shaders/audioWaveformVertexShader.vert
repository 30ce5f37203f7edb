#version 450 core
// The full-view quad: positions from buffer 0, indexed by vertex id (triangle strip).
//
// It also works out the band's values that stay the same for a whole frame (drawn from the seed
// and the time) and hands them to every pixel unchanged (flat): four vertices compute them
// instead of every pixel. bytes 0: drawable size in pixels; bytes 1: seed; bytes 2: time in
// seconds (the fragment function's uniforms).

layout(std430, binding = 0) readonly buffer VertexPositions {
    vec2 positions[];
};
layout(std140, binding = 0) uniform DrawableSize {
    vec2 size;
};
layout(std140, binding = 1) uniform Seed {
    uint seed;
};
layout(std140, binding = 2) uniform Time {
    float time;
};

out vec2 uv; // 0..1 across the view, y up

const int kWaves = 7;
// Per wave: frequency, how far it has travelled (time x speed), its phase, the amplitude before the
// envelope. (Kept apart rather than summed, so each pixel adds them up as it always did.)
flat out vec4 waveMotion[kWaves];
// Per wave: the frequency of its wobble (waves 0-3, then 4-6) and the width of its core.
flat out vec4 waveWobble[2];
flat out vec4 waveCore[2];
// The envelope's breathing, the bar graph's drift and seeded offset, the wobbles' drift; the
// sparks' positions along the centre line (-0.7..0.7 of the width).
flat out vec4 frameValues;
flat out vec3 sparks;

const float kTau = 6.28318530718;

uint hashU(uint x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// A value in 0..1 fixed by the seed and `n`.
float seeded(uint n) {
    return float(hashU(seed ^ hashU(n + 0x9e3779b9U))) / 4294967295.0;
}

void main() {
    vec2 p = positions[gl_VertexID];
    uv = p * 0.5 + 0.5;
    gl_Position = vec4(p, 0.0, 1.0);

    float t = time;
    float pixel = 1.0 / max(size.y, 1.0);
    for (int i = 0; i < kWaves; ++i) {
        uint base = uint(i) * 7u + 11u;
        float frequency = mix(2.2, 7.5, seeded(base));
        float speed = mix(0.25, 0.9, seeded(base + 1u)) * ((i & 1) == 0 ? 1.0 : -1.0);
        float phase = seeded(base + 2u) * kTau;
        waveMotion[i] = vec4(frequency, t * speed, phase, mix(0.08, 0.25, seeded(base + 3u)));
        // Widths are fractions of the height, so the band looks the same at every backing scale.
        float core = max(pixel, mix(0.0028, 0.0065, i == 0 ? 1.0 : seeded(base + 5u)));
        waveWobble[i / 4][i % 4] = mix(1.5, 4.0, seeded(base + 4u));
        waveCore[i / 4][i % 4] = core;
    }
    waveWobble[1][3] = 0.0;
    waveCore[1][3] = 0.0;
    frameValues = vec4(0.78 + 0.22 * sin(t * 0.37 + seeded(1u) * kTau), t * 1.3, seeded(2u) * 40.0, t * 0.6);
    for (int j = 0; j < 3; ++j)
        sparks[j] = fract(seeded(uint(j) + 90u) + t * mix(0.03, 0.07, seeded(uint(j) + 95u))) * 1.4 - 0.7;
}
