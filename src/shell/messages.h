#pragma once

// The explorer's own texts, exactly as the user reads them.
namespace zoquel::shell::text {

inline constexpr const char* kTitle = "Zoquel";
inline constexpr const char* kAspectRatioTitle = "     aspect ratio:  %.6f";
inline constexpr const char* kUnsavedExit =
    "The image has changed since it was last saved.\n\nExit anyway?";

inline constexpr const char* kCaptionZoquel = "Zoquel";
inline constexpr const char* kCaptionError = "Error";
inline constexpr const char* kCaptionPalette = "Palette";
inline constexpr const char* kCaptionPreview = "Preview";
inline constexpr const char* kCaptionFormulae = "Formulae";
inline constexpr const char* kCaptionColorIndex = "Color Index";
inline constexpr const char* kCaptionCriticalPoint = "Critical Point";
inline constexpr const char* kCaptionVariationIndex = "Variation Index";

// Start-up errors by code - 1.
inline constexpr const char* kStartupError[3] = {
    "Couldn't register main window class.",
    "Couldn't create main window.",
    "Couldn't initialize graphics.",
};

inline constexpr const char* kDefaultPalette = "Default palette restored";
inline constexpr const char* kGreyscalePalette = "Greyscale palette loaded";
inline constexpr const char* kBiomorphPalette = "Biomorph B/W palette loaded";

inline constexpr const char* kAcceptPalette = "Accept palette?\n\n( Toggle this option with ALT + M )";
inline constexpr const char* kPreviewEnabled = "Palette preview enabled.";
inline constexpr const char* kPreviewDisabled = "Palette preview disabled.";
inline constexpr const char* kPaletteInterval = "Palette interval set to %d.";
inline constexpr const char* kZ0Critical = "Z0 set to (-1.27107 + 0.0i)";
inline constexpr const char* kZ0Zero = "Z0 set to (0.0 + 0.0i)";
inline constexpr const char* kVariation = "Newton / secant variation: %d";

inline constexpr const char* kSamplesUnavailable =
    "Sample Julia parameters are available\n   in the dynamic plane modes of\n   the following fractal types:\n\n"
    "Mandelbrot/Julia Classic\nEscher-Julia\nJulia - Inverse Iteration\nM/J-Sets: Boundary Tracer\n"
    "M/J-Sets: Distance Estimator\nOrbits";
inline constexpr const char* kAlphaUnavailable =
    "Alpha angle selection is available\n   in the dynamic plane modes of\n   the following fractal types:\n\n"
    "Mandelbrot/Julia Classic\nEscher-Julia\nJulia - Inverse Iteration\nM/J-Sets: Boundary Tracer\n"
    "M/J-Sets: Distance Estimator\nOrbits";
inline constexpr const char* kAbout =
    "Zoquel:\n\nA collection of fractals\n      and related\n      mathematical images";

inline constexpr const char* kJuliaLevelSets =
    "   Julia level set coloring parameters :\n\n   minsize :  the threshold radius at the attractor(s).\n"
    "   When the point being iterated gets closer than this\n   radius to (one of) the attractor point(s), it will\n"
    "   be colored according to its iteration count\n   (analogous to an escaping point being colored\n"
    "   when it exceeds 'maxsize').\n\n   palette interval  (Classic Julia type only) :  the\n"
    "   interval between successive palette entries. Without\n   adjustment, the interval would be equal to the period\n"
    "   of the attractor. This can result in abrupt color\n   changes at each level set when the period is large.\n"
    "   A value of 1 results in the maximal smoothness that\n   the selected palette can provide. The upper limit of\n"
    "   this parameter is the period of the attractor.\n\n   The method of choice for Siegel disks is 'Siegel\n"
    "   Disks'. The level set method is slow because it\n   results in every inside pixel being iterated the\n"
    "   maximum number of times, and the coloring pattern\n   is quite dull.";

}  // namespace zoquel::shell::text
