#version 450 core
// The About view: the logo over slowly drifting, faintly lit clouds of noise, with a halo that
// breathes and a sheen that sweeps across the logo every few seconds. Writes linear light.
//
// bytes 0: drawable size in pixels; bytes 1: time in seconds;
// texture 0: the logo (straight alpha, sRGB-encoded, top row first); texture 1: tileable noise,
// an independent noise in each of red, green and blue.

layout(std140, binding = 0) uniform DrawableSize {
    vec2 size;
};
layout(std140, binding = 1) uniform Time {
    float time;
};
layout(binding = 0) uniform sampler2D logo;
layout(binding = 1) uniform sampler2D noise;

in vec2 uv;
layout(location = 0) out vec4 fragColor;

const vec3 kGround = vec3(0.0075, 0.0080, 0.0103); // the window's surface
const vec3 kSteel = vec3(0.060, 0.130, 0.300);
const vec3 kViolet = vec3(0.150, 0.070, 0.320);
const vec3 kWarm = vec3(0.888, 0.533, 0.076); // the accent yellow

vec3 noiseAt(vec2 p) {
    return texture(noise, fract(p)).rgb;
}

vec3 toLinear(vec3 c) {
    return mix(c / 12.92, pow((c + 0.055) / 1.055, vec3(2.4)), step(vec3(0.04045), c));
}

void main() {
    vec2 pixel = uv * size;
    float unit = max(1.0, min(size.x, size.y));
    vec2 p = (pixel - 0.5 * size) / unit; // centred, y up, the shorter side spans 1
    float t = time;

    // Two layers of noise, the second warped by the first, drifting apart.
    vec2 q = p * 0.6;
    vec3 a = noiseAt(q + vec2(0.013, 0.007) * t);
    vec3 b = noiseAt(q * 1.9 + (a.rg - 0.5) * 0.45 - vec2(0.009, -0.011) * t);
    float cloud = smoothstep(0.32, 0.82, b.r * 0.6 + a.g * 0.4);
    float wisps = smoothstep(0.56, 0.92, noiseAt(q * 3.7 + (b.gb - 0.5) * 0.6 + vec2(0.0, 0.021) * t).b);
    vec3 colour = kGround + mix(kSteel, kViolet, b.b) * cloud * 0.45 + kWarm * wisps * 0.07;

    // Darker towards the edges; a warm halo behind the logo.
    colour *= clamp(1.0 - 0.55 * dot(p, p), 0.0, 1.0);
    float r2 = dot(p, p);
    float breath = 0.85 + 0.15 * sin(t * 1.3);
    colour += kWarm * 0.12 * breath * exp(-r2 * 10.0);

    // The logo fills 0.72 of the shorter side, centred.
    vec2 l = p / 0.72 + 0.5;
    if (all(greaterThanEqual(l, vec2(0.0))) && all(lessThanEqual(l, vec2(1.0)))) {
        vec4 mark = texture(logo, vec2(l.x, 1.0 - l.y));
        float sweep = fract(t / 6.0) * 2.8 - 0.9;
        float sheen = 0.7 * exp(-pow((l.x + 0.5 * l.y - sweep) * 8.0, 2.0));
        colour = mix(colour, toLinear(mark.rgb) * (1.0 + sheen), mark.a);
    }
    fragColor = vec4(colour, 1.0);
}
