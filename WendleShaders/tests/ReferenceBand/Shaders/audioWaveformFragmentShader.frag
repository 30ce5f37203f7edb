#version 450 core
// An animated waveform band: layered glowing waves over a dark ground, steel blue with a warm
// yellow accent. Writes linear light (the view shows it sRGB-encoded).
//
// bytes 0: drawable size in pixels; bytes 1: seed; bytes 2: time in seconds.

layout(std140, binding = 0) uniform DrawableSize {
    vec2 size;
};
layout(std140, binding = 1) uniform Seed {
    uint seed;
};
layout(std140, binding = 2) uniform Time {
    float time;
};

in vec2 uv;
layout(location = 0) out vec4 fragColor;

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

float hash11(float p) {
    p = fract(p * 0.1031);
    p *= p + 33.33;
    p *= p + p;
    return fract(p);
}

// Smooth value noise in -1..1.
float noise1(float x) {
    float i = floor(x);
    float f = fract(x);
    float u = f * f * (3.0 - 2.0 * f);
    return mix(hash11(i), hash11(i + 1.0), u) * 2.0 - 1.0;
}

vec3 linear(vec3 srgb) {
    return pow(srgb, vec3(2.2));
}

void main() {
    float aspect = size.x / max(size.y, 1.0);
    // Centred coordinates: y from -0.5 (bottom) to 0.5 (top), x scaled to keep circles round.
    vec2 p = vec2((uv.x - 0.5) * aspect, uv.y - 0.5);
    float pixel = 1.0 / max(size.y, 1.0);
    float t = time;

    vec3 yellow = linear(vec3(0.949, 0.757, 0.306)); // #f2c14e
    vec3 steel = linear(vec3(0.357, 0.553, 0.741));  // steel blue, lifted for the dark ground
    vec3 ice = linear(vec3(0.690, 0.800, 0.902));

    // Ground: deep blue-black, a little lighter towards the top, a soft halo behind the waves.
    vec3 colour = mix(linear(vec3(0.020, 0.024, 0.039)), linear(vec3(0.063, 0.071, 0.110)), uv.y);
    vec2 halo = p * vec2(0.9 / aspect, 3.2);
    colour += steel * 0.05 * exp(-dot(halo, halo) * 1.6);

    // Amplitude envelope: full in the middle, tapering to the sides, breathing slowly.
    float across = p.x / (0.5 * aspect);
    float envelope = exp(-across * across * 1.7) * (0.78 + 0.22 * sin(t * 0.37 + seeded(1u) * kTau));

    // Behind the waves: a faint bar graph of the signal's level, mirrored about the centre line.
    {
        float bars = 72.0;
        float column = floor(uv.x * bars);
        float within = fract(uv.x * bars);
        float level = 0.5 + 0.5 * noise1(column * 0.37 + t * 1.3 + seeded(2u) * 40.0);
        level = (0.25 + 0.75 * level * level) * envelope * 0.34;
        float bar = smoothstep(0.0, 0.12, within) * smoothstep(0.72, 0.6, within);
        float height = smoothstep(level + 0.004, level - 0.004, abs(p.y));
        float shade = 0.5 + 0.5 * abs(p.y) / max(level, 1e-3); // brighter at the tips
        colour += mix(steel, yellow, 0.12) * bar * height * shade * 0.055;
    }

    // Layered waves: each a thin bright core inside a wide glow.
    const int kWaves = 7;
    vec3 light = vec3(0.0);
    for (int i = 0; i < kWaves; ++i) {
        uint base = uint(i) * 7u + 11u;
        float k = float(i) / float(kWaves - 1);
        float frequency = mix(2.2, 7.5, seeded(base));
        float speed = mix(0.25, 0.9, seeded(base + 1u)) * ((i & 1) == 0 ? 1.0 : -1.0);
        float phase = seeded(base + 2u) * kTau;
        float amplitude = mix(0.08, 0.25, seeded(base + 3u)) * envelope;
        float wobble = noise1(p.x * mix(1.5, 4.0, seeded(base + 4u)) + t * 0.6 + float(i) * 17.0);
        float harmonic = sin(p.x * frequency * 2.7 - t * speed * 1.7 + phase * 1.3);
        float y = amplitude * (0.72 * sin(p.x * frequency + t * speed + phase) + 0.18 * harmonic + 0.22 * wobble);

        float d = abs(p.y - y);
        // Widths are fractions of the height, so the band looks the same at every backing scale.
        float coreWidth = max(pixel, mix(0.0028, 0.0065, i == 0 ? 1.0 : seeded(base + 5u)));
        float core = exp(-(d * d) / (coreWidth * coreWidth));
        float glow = exp(-d / mix(0.018, 0.045, k));

        // The first wave is the yellow lead; the rest shade from ice to steel blue.
        vec3 tint = i == 0 ? yellow : mix(ice, steel, k);
        float strength = i == 0 ? 1.0 : mix(0.75, 0.35, k);
        float fade = 0.12 + 0.88 * smoothstep(1.0, 0.3, abs(across)); // waves dim towards the edges
        light += tint * (core * 0.9 + glow * 0.22) * strength * fade;
    }
    colour += light;

    // Faint sparks travelling along the centre line.
    for (int j = 0; j < 3; ++j) {
        float sx = fract(seeded(uint(j) + 90u) + t * mix(0.03, 0.07, seeded(uint(j) + 95u))) * 1.4 - 0.7;
        vec2 q = p - vec2(sx * aspect, 0.0);
        colour += yellow * 0.25 * exp(-dot(q, q) * 900.0) * envelope;
    }

    // Gentle tone curve keeps overlapping glows from clipping to white.
    colour = colour / (1.0 + colour * 0.55);

    // Vignette and a trace of grain against banding.
    vec2 v = vec2(across, p.y * 2.0);
    colour *= 1.0 - 0.35 * smoothstep(0.4, 1.5, dot(v, v));
    float grain = hash11(dot(gl_FragCoord.xy, vec2(12.9898, 78.233)) + fract(t) * 61.0) - 0.5;
    colour += grain * 0.0025;

    fragColor = vec4(max(colour, 0.0), 1.0);
}
