.pragma library

// The spread of a shadow blurred over `radius` pixels with `samples` taps, as a Gaussian
// blur draws it: a deviation of (radius + 1) / 3.3333 taps, the taps spaced so that the
// outermost reaches `radius` pixels (fewer taps than 2 * radius + 1 lie further apart).
function deviation(radius, samples) {
    var taps = Math.max(1, Math.floor(samples / 2))
    return radius <= 0 ? 0 : (radius + 1) / 3.3333 * radius / taps
}
