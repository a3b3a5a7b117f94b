#pragma once

namespace zoquel::pixel {

// What a generator leaves for the colouring of the same pixel. One set per thread, so rows
// may be rendered on several threads at once. constinit: no dynamic initialisation, so other
// files reach them directly rather than through GCC's TLS wrapper, which the sanitizer build
// takes for a null reference.
extern constinit thread_local int root;        // index of the root a Newton-type orbit reached
extern constinit thread_local double nfx;      // smoothing fraction 0..1 of the Newton-like types
extern constinit thread_local double infsize;  // smallest |z| along the orbit, for Siegel-disk colouring

}  // namespace zoquel::pixel
