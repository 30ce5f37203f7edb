#version 450 core
// The switch view: six lamps in a row, one per switch, each in its own colour. A lamp that is off
// is a dark glass in a steel ring; on, it glows and breathes; held down, it sinks a little and its
// ring lights up. Every switch-on sends a ripple out of its lamp that fades over a few seconds, and
// a row of pips under the lamps shows the last six switch-ons, newest on the left. Writes linear
// light.
//
// bytes 0: drawable size in pixels; bytes 1: time in seconds; bytes 2: backing scale;
// buffers 3-6: on state, down state, history (switch index, -1 empty) and history times, six
// packed floats each, read as two vec4s.

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
layout(std140, binding = 5) uniform SwitchHistory {
    vec4 switchHistory[2];
};
layout(std140, binding = 6) uniform SwitchHistoryTime {
    vec4 switchHistoryTime[2];
};

in vec2 uv;
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
float historyIndex(int k) {
    return switchHistory[k >> 2][k & 3];
}
float historyTime(int k) {
    return switchHistoryTime[k >> 2][k & 3];
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
    vec3 tint = vec3(0.0);
    float lit = 0.0;
    for (int i = 0; i < 6; ++i) {
        tint += kColours[i] * onState(i);
        lit += onState(i);
    }
    tint /= max(lit, 1.0);
    float wave = 0.5 + 0.5 * sin(p.x * 1.3 + t * 0.4 + sin(p.y * 2.1 - t * 0.3) * 1.4);
    vec3 colour = kGround + tint * 0.05 * wave * exp(-p.y * p.y * 0.6) + kSteel * 0.012;

    // Ripples of the switch-ons, oldest first so that newer ones lie on top; faded ones cost nothing.
    for (int k = 5; k >= 0; --k) {
        float index = historyIndex(k);
        float age = max(0.0, t - historyTime(k));
        float fade = exp(-age * 1.1);
        if (index < 0.0 || fade < 0.02)
            continue;
        int j = int(index + 0.5);
        float d = length(p - vec2(float(j) - 2.5, 0.15));
        float radius = kRadius + age * 0.9;
        float off = abs(d - radius);
        if (off > 0.3)
            continue;
        float halo = max(0.0, 1.0 - off * 4.0);
        colour += kColours[j] * fade * (0.9 * ring(d, radius, 0.05 + age * 0.02, aa) + 0.15 * halo * halo);
    }

    // The lamps: the one under the pixel, and the glow of it and its neighbours.
    int nearest = clamp(int(floor(p.x + 3.0)), 0, 5);
    for (int i = max(nearest - 1, 0); i <= min(nearest + 1, 5); ++i) {
        float on = onState(i);
        if (on <= 0.0)
            continue;
        float d = length(p - vec2(float(i) - 2.5, 0.15));
        float r = kRadius * (1.0 - 0.10 * downState(i));
        float breath = 1.0 + 0.10 * sin(t * 2.2 + float(i) * 1.1);
        colour += kColours[i] * on * breath * (0.22 + 0.25 * downState(i)) * exp(-max(0.0, d - r) * 7.0);
    }
    {
        int i = nearest;
        vec2 centre = vec2(float(i) - 2.5, 0.15);
        float d = length(p - centre);
        float on = onState(i);
        float down = downState(i);
        float r = kRadius * (1.0 - 0.10 * down);
        if (d < r + 0.08) {
            float breath = 1.0 + 0.10 * sin(t * 2.2 + float(i) * 1.1);
            vec3 c = kColours[i];
            // The glass: dark with a hint of its colour when off, a bright core when on.
            float core = 1.0 - smoothstep(0.0, r, d);
            vec3 glass = mix(c * 0.035 + vec3(0.004), c * (0.35 + 1.1 * core * core) * breath, on);
            colour = mix(colour, glass, disc(d, r, aa));
            // The steel ring, lit white while the switch is down.
            vec3 rim = mix(kSteel * 0.35, vec3(0.95), down);
            colour = mix(colour, rim, ring(d, r + 0.03, 0.035, aa));
        }
    }

    // The history pips under the lamps, newest on the left; empty places are dim rings.
    if (abs(p.y + 0.78) < 0.12) {
        int k = clamp(int(floor(p.x / 0.32 + 3.0)), 0, 5);
        float d = length(p - vec2((float(k) - 2.5) * 0.32, -0.78));
        float index = historyIndex(k);
        if (index < 0.0) {
            colour = mix(colour, kSteel * 0.25, ring(d, 0.07, 0.02, aa));
        } else {
            int j = int(index + 0.5);
            float age = max(0.0, t - historyTime(k));
            float fresh = 0.45 + 0.55 * exp(-age * 0.8);
            colour = mix(colour, kColours[j] * fresh, disc(d, 0.08, aa));
        }
    }
    fragColor = vec4(colour, 1.0);
}
