#version 450 core
// The waveform band's values that depend only on x, worked out once per column instead of once per
// pixel, for audioWaveformFragmentShader (which reads them as its texture 0). Drawn with the band's
// vertex function and the band's bytes (bytes 0 is the band's drawable size) over a float target as
// wide as the band and three pixels high:
//   row 0: the heights of waves 0-3;
//   row 1: the heights of waves 4-6, the amplitude envelope;
//   row 2: the fade towards the sides, the bar graph's level, the bar's shape across its column.
// The expressions are the band's own, so the picture does not change.

layout(std140, binding = 0) uniform DrawableSize {
    vec2 size;
};

in vec2 uv;
const int kWaves = 7;
flat in vec4 waveMotion[kWaves];
flat in vec4 waveWobble[2];
flat in vec4 frameValues;
layout(location = 0) out vec4 fragColor;

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

void main() {
    float aspect = size.x / max(size.y, 1.0);
    float px = (uv.x - 0.5) * aspect;
    float breathing = frameValues.x;
    float barDrift = frameValues.y;
    float barSeed = frameValues.z;
    float wobbleDrift = frameValues.w;

    float across = px / (0.5 * aspect);
    float envelope = exp(-across * across * 1.7) * breathing;
    int row = int(gl_FragCoord.y);

    if (row == 2) {
        float bars = 72.0;
        float column = floor(uv.x * bars);
        float within = fract(uv.x * bars);
        float level = 0.5 + 0.5 * noise1(column * 0.37 + barDrift + barSeed);
        level = (0.25 + 0.75 * level * level) * envelope * 0.34;
        float bar = smoothstep(0.0, 0.12, within) * smoothstep(0.72, 0.6, within);
        float fade = 0.12 + 0.88 * smoothstep(1.0, 0.3, abs(across));
        fragColor = vec4(fade, level, bar, 0.0);
        return;
    }

    float heights[kWaves];
    for (int i = 0; i < kWaves; ++i) {
        vec4 motion = waveMotion[i];
        float frequency = motion.x;
        float travelled = motion.y;
        float phase = motion.z;
        float amplitude = motion.w * envelope;
        float wobble = noise1(px * waveWobble[i / 4][i % 4] + wobbleDrift + float(i) * 17.0);
        float harmonic = sin(px * frequency * 2.7 - travelled * 1.7 + phase * 1.3);
        heights[i] = amplitude * (0.72 * sin(px * frequency + travelled + phase) + 0.18 * harmonic + 0.22 * wobble);
    }
    fragColor = row == 0 ? vec4(heights[0], heights[1], heights[2], heights[3])
                         : vec4(heights[4], heights[5], heights[6], envelope);
}
