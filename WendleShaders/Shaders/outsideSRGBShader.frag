// A colour function (no main: the colour effect calls it for every pixel of a view's drawing).
// Marks the colours outside the sRGB gamut - in extended linear sRGB, those with a component below 0
// or above 1 - with diagonal magenta stripes; the others stay as they are.

vec4 outsideSRGBShader(vec2 position, vec4 color) {
    if (color.a <= 0.0)
        return color;
    vec3 straight = color.rgb / color.a;
    const float kTolerance = 1.0 / 512.0;
    bool outside = any(lessThan(straight, vec3(-kTolerance))) || any(greaterThan(straight, vec3(1.0 + kTolerance)));
    if (!outside)
        return color;
    bool stripe = mod(position.x + position.y, 8.0) < 4.0;
    return stripe ? vec4(vec3(1.0, 0.0, 1.0) * color.a, color.a) : color;
}
