// A colour function (no main: the colour effect calls it for every pixel of a view's drawing).
// Marks the colours outside the Display P3 gamut with diagonal orange stripes; the others stay as
// they are. A colour is outside when, converted from linear sRGB to linear Display P3 (both with
// the D65 white), a component lies below 0 or above 1.

vec4 outsideP3Shader(vec2 position, vec4 color) {
    if (color.a <= 0.0)
        return color;
    // Columns of the linear sRGB to linear Display P3 matrix.
    const mat3 kSRGBToP3 = mat3(0.822462, 0.033194, 0.017083, // red
                                0.177538, 0.966806, 0.072397, // green
                                0.000000, 0.000000, 0.910520  // blue
    );
    vec3 p3 = kSRGBToP3 * (color.rgb / color.a);
    const float kTolerance = 1.0 / 512.0;
    bool outside = any(lessThan(p3, vec3(-kTolerance))) || any(greaterThan(p3, vec3(1.0 + kTolerance)));
    if (!outside)
        return color;
    bool stripe = mod(position.x - position.y, 8.0) < 4.0;
    return stripe ? vec4(vec3(1.0, 0.35, 0.0) * color.a, color.a) : color;
}
