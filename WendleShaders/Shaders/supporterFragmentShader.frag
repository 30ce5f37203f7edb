#version 450 core
// The switch view: six lamps in a row, one per switch, each in its own colour. A lamp that is off
// is a dark glass in a steel ring; on, it glows and breathes; held down, it sinks a little and its
// ring lights up. Every switch-on sends a ripple out of its lamp that fades over a few seconds, and
// a row of pips under the lamps shows the last six switch-ons, newest on the left. Writes linear
// light.
//
// bytes 0: drawable size in pixels; bytes 1: time in seconds; bytes 2: backing scale;
// buffers 3-6: on state, down state, history (switch index, -1 empty) and history times, six
// packed floats each, read as two vec4s (the history by the vertex function).

layout(std140, binding = 0) uniform DrawableSize {
    vec2 size;
};
layout(std140, binding = 1) uniform Time {
    float time;
};
layout(std140, binding = 2) uniform Scale {
    float scale;
};
layout(std140, binding = 3) uniform SwitchOn {
    vec4 switchOn[2];
};
layout(std140, binding = 4) uniform SwitchDown {
    vec4 switchDown[2];
};

in vec2 uv;
// Worked out once a frame by the vertex function (see there).
flat in vec3 tint;
flat in float breath[6];
flat in vec4 ripples[6];
flat in vec3 rippleColours[6];
flat in vec4 pips[6];
layout(location = 0) out vec4 fragColor;

const vec3 kGround = vec3(0.0075, 0.0080, 0.0103);
const vec3 kSteel = vec3(0.30, 0.34, 0.42);
const vec3 kColours[6] = vec3[6](vec3(0.888, 0.533, 0.076), // yellow
                                 vec3(0.078, 0.366, 0.930), // blue
                                 vec3(0.871, 0.117, 0.102), // red
                                 vec3(0.376, 0.202, 0.913), // purple
                                 vec3(0.078, 0.637, 0.565), // teal
                                 vec3(0.198, 0.651, 0.250)  // green
);
const float kRadius = 0.34;

float onState(int i) {
    return switchOn[i >> 2][i & 3];
}
float downState(int i) {
    return switchDown[i >> 2][i & 3];
}

// Coverage of a disc of radius r at distance d, antialiased over `aa`.
float disc(float d, float r, float aa) {
    return 1.0 - smoothstep(r - aa, r + aa, d);
}
float ring(float d, float r, float width, float aa) {
    return 1.0 - smoothstep(width * 0.5 - aa, width * 0.5 + aa, abs(d - r));
}

void main() {
    vec2 pixel = uv * size;
    // Lamps are one unit apart; the row of six with its margins fits the view.
    float unit = max(1.0, min(size.x / 7.0, size.y / 2.6));
    vec2 p = (pixel - 0.5 * size) / unit;
    float aa = 0.75 / unit;
    float t = time;

    // The ground: dark, with a slow aurora tinted by the switches that are on.
    float wave = 0.5 + 0.5 * sin(p.x * 1.3 + t * 0.4 + sin(p.y * 2.1 - t * 0.3) * 1.4);
    vec3 colour = kGround + tint * 0.05 * wave * exp(-p.y * p.y * 0.6) + kSteel * 0.012;

    // Ripples of the switch-ons, oldest first so that newer ones lie on top; faded ones cost nothing.
    // (Loops run over constant ranges and skip what is far: each index is then a constant.)
    for (int k = 5; k >= 0; --k) {
        vec4 ripple = ripples[k]; // centre x, radius, width, fade
        float d = length(p - vec2(ripple.x, 0.15));
        float off = abs(d - ripple.y);
        if (off > 0.3)
            continue;
        float halo = max(0.0, 1.0 - off * 4.0);
        colour += rippleColours[k] * ripple.w * (0.9 * ring(d, ripple.y, ripple.z, aa) + 0.15 * halo * halo);
    }

    // The lamps: the glow of those near the pixel, then the glass and ring of the one under it.
    for (int i = 0; i < 6; ++i) {
        vec2 offset = p - vec2(float(i) - 2.5, 0.15);
        float on = onState(i);
        if (abs(offset.x) > 1.5 || on <= 0.0)
            continue;
        float down = downState(i);
        float d = length(offset);
        float r = kRadius * (1.0 - 0.10 * down);
        colour += kColours[i] * on * breath[i] * (0.22 + 0.25 * down) * exp(-max(0.0, d - r) * 7.0);
    }
    for (int i = 0; i < 6; ++i) {
        vec2 offset = p - vec2(float(i) - 2.5, 0.15);
        if (abs(offset.x) > 0.5 || abs(offset.y) > 0.5)
            continue;
        float d = length(offset);
        float on = onState(i);
        float down = downState(i);
        float r = kRadius * (1.0 - 0.10 * down);
        vec3 c = kColours[i];
        // The glass: dark with a hint of its colour when off, a bright core when on.
        float core = 1.0 - smoothstep(0.0, r, d);
        vec3 glass = mix(c * 0.035 + vec3(0.004), c * (0.35 + 1.1 * core * core) * breath[i], on);
        colour = mix(colour, glass, disc(d, r, aa));
        // The steel ring, lit white while the switch is down.
        vec3 rim = mix(kSteel * 0.35, vec3(0.95), down);
        colour = mix(colour, rim, ring(d, r + 0.03, 0.035, aa));
    }

    // The history pips under the lamps, newest on the left; empty places are dim rings.
    if (abs(p.y + 0.78) < 0.12) {
        for (int k = 0; k < 6; ++k) {
            vec2 offset = p - vec2((float(k) - 2.5) * 0.32, -0.78);
            if (abs(offset.x) > 0.16)
                continue;
            float d = length(offset);
            vec4 pip = pips[k];
            colour = pip.a > 0.0 ? mix(colour, pip.rgb, disc(d, 0.08, aa))
                                 : mix(colour, kSteel * 0.25, ring(d, 0.07, 0.02, aa));
        }
    }
    fragColor = vec4(colour, 1.0);
}
