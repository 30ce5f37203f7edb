#version 450 core
// An animated waveform band: layered glowing waves over a dark ground, steel blue with a warm
// yellow accent. Writes linear light (the view shows it sRGB-encoded).
//
// bytes 0: drawable size in pixels; bytes 2: time in seconds. The values fixed for a frame by the
// seed and the time come from the vertex function (flat); those that depend only on x from
// audioWaveformColumnShader, drawn first into texture 0 (one texel per column in each of 3 rows).

layout(std140, binding = 0) uniform DrawableSize {
    vec2 size;
};
layout(std140, binding = 2) uniform Time {
    float time;
};
layout(binding = 0) uniform sampler2D columns;

in vec2 uv;
const int kWaves = 7;
flat in vec4 waveCore[2];
flat in vec3 sparks;
layout(location = 0) out vec4 fragColor;

float hash11(float p) {
    p = fract(p * 0.1031);
    p *= p + 33.33;
    p *= p + p;
    return fract(p);
}

vec3 linear(vec3 srgb) {
    return pow(srgb, vec3(2.2));
}

void main() {
    float aspect = size.x / max(size.y, 1.0);
    // Centred coordinates: y from -0.5 (bottom) to 0.5 (top), x scaled to keep circles round.
    vec2 p = vec2((uv.x - 0.5) * aspect, uv.y - 0.5);
    int x = int(gl_FragCoord.x);
    vec4 waves0to3 = texelFetch(columns, ivec2(x, 0), 0); // waves 0-3
    vec4 waves4to6 = texelFetch(columns, ivec2(x, 1), 0); // waves 4-6, envelope
    vec4 shaping = texelFetch(columns, ivec2(x, 2), 0);   // fade, bar level, bar shape
    float heights[kWaves] = float[](waves0to3.x, waves0to3.y, waves0to3.z, waves0to3.w, waves4to6.x, waves4to6.y,
                                    waves4to6.z);

    vec3 yellow = linear(vec3(0.949, 0.757, 0.306)); // #f2c14e
    vec3 steel = linear(vec3(0.357, 0.553, 0.741));  // steel blue, lifted for the dark ground
    vec3 ice = linear(vec3(0.690, 0.800, 0.902));

    // Ground: deep blue-black, a little lighter towards the top, a soft halo behind the waves.
    vec3 colour = mix(linear(vec3(0.020, 0.024, 0.039)), linear(vec3(0.063, 0.071, 0.110)), uv.y);
    vec2 halo = p * vec2(0.9 / aspect, 3.2);
    colour += steel * 0.05 * exp(-dot(halo, halo) * 1.6);

    // Amplitude envelope (full in the middle, tapering to the sides, breathing slowly), per column.
    float across = p.x / (0.5 * aspect);
    float envelope = waves4to6.w;

    // Behind the waves: a faint bar graph of the signal's level, mirrored about the centre line.
    {
        float level = shaping.y;
        float bar = shaping.z;
        float height = smoothstep(level + 0.004, level - 0.004, abs(p.y));
        float shade = 0.5 + 0.5 * abs(p.y) / max(level, 1e-3); // brighter at the tips
        colour += mix(steel, yellow, 0.12) * bar * height * shade * 0.055;
    }

    // Layered waves: each a thin bright core inside a wide glow.
    float fade = shaping.x; // waves dim towards the edges
    vec3 light = vec3(0.0);
    for (int i = 0; i < kWaves; ++i) {
        float k = float(i) / float(kWaves - 1);
        float d = abs(p.y - heights[i]);
        float coreWidth = waveCore[i / 4][i % 4];
        float core = exp(-(d * d) / (coreWidth * coreWidth));
        float glow = exp(-d / mix(0.018, 0.045, k));

        // The first wave is the yellow lead; the rest shade from ice to steel blue.
        vec3 tint = i == 0 ? yellow : mix(ice, steel, k);
        float strength = i == 0 ? 1.0 : mix(0.75, 0.35, k);
        light += tint * (core * 0.9 + glow * 0.22) * strength * fade;
    }
    colour += light;

    // Faint sparks travelling along the centre line.
    for (int j = 0; j < 3; ++j) {
        vec2 q = p - vec2(sparks[j] * aspect, 0.0);
        colour += yellow * 0.25 * exp(-dot(q, q) * 900.0) * envelope;
    }

    // Gentle tone curve keeps overlapping glows from clipping to white.
    colour = colour / (1.0 + colour * 0.55);

    // Vignette and a trace of grain against banding.
    vec2 v = vec2(across, p.y * 2.0);
    colour *= 1.0 - 0.35 * smoothstep(0.4, 1.5, dot(v, v));
    float grain = hash11(dot(gl_FragCoord.xy, vec2(12.9898, 78.233)) + fract(time) * 61.0) - 0.5;
    colour += grain * 0.0025;

    fragColor = vec4(max(colour, 0.0), 1.0);
}
