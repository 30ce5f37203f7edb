// A colour function (no main: the colour effect calls it for every pixel of a view's drawing).
// A 4 x 4 colour matrix in linear light: each argument is a row, giving the new red, green, blue and
// alpha as its dot product with the old straight (not premultiplied) colour (r, g, b, a).

vec4 colorMatrixShader(vec2 position, vec4 color, vec4 red, vec4 green, vec4 blue, vec4 alpha) {
    vec4 straight = color.a > 0.0 ? vec4(color.rgb / color.a, color.a) : vec4(0.0);
    vec4 result = vec4(dot(red, straight), dot(green, straight), dot(blue, straight), dot(alpha, straight));
    float a = clamp(result.a, 0.0, 1.0);
    return vec4(result.rgb * a, a);
}
