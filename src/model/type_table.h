#pragma once
#include <array>

namespace zoquel {

constexpr int kTypeCount = 40;

// The view rectangle of the plane shown: xmin, xmax, ymin, ymax.
struct View {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    double& operator[](int i) { return i == 0 ? xmin : i == 1 ? xmax : i == 2 ? ymin : ymax; }
    double operator[](int i) const { return i == 0 ? xmin : i == 1 ? xmax : i == 2 ? ymin : ymax; }
    friend bool operator==(const View&, const View&) = default;
};

// A type's parameter record, also addressed as columns 0..5.
struct Param {
    double maxsize = 0, jcx = 0, jcy = 0, p0 = 0, p1 = 0, p2 = 0;
    double& operator[](int column);
    double operator[](int column) const;
    friend bool operator==(const Param&, const Param&) = default;
};

enum class TypeKind { per_pixel, whole_image, whole_image_repeated };

// What other rooms ask about a type, as bits of TypeInfo::flags.
enum TypeFlag : unsigned {
    kJuliaForm = 1u << 0,          // J, the Julia samples and the cardioid border act in method 1
    kRemembersConstant = 1u << 1,  // a finished method-1 image leaves its constant in cxsave/cysave
    kFirstLoop = 1u << 2,          // starts afresh on firstloop: new type, size, parameters or palette
    kStoppedByInput = 1u << 3,     // Pause and clicks go to the running generator
    kContinues = 1u << 4,          // a further plot goes on from where the last one stopped
    kJuliaLevelSets = 1u << 5,     // the driver measures the Julia attractor and the Siegel scale
    kTracesOrbits = 1u << 6,       // clicks on the finished image trace the orbit of the point
    kOwnSmoothingStep = 1u << 7,   // smoothing blends entries cindex apart
};

// The constant facts about one fractal type.
struct TypeInfo {
    const char* name;
    TypeKind kind;
    int thumbflag;                     // the Julia thumbnail of a finished parameter-plane image
    std::array<View, 2> default_view;  // by method
    Param default_params;
    unsigned flags;                    // TypeFlag bits
    int forced_method;                 // the method the type is fixed to, or -1
    unsigned own_fraction_methods;     // the methods (bit m for method m) with their own smoothing fraction
    std::array<const char*, 2> method_captions;  // the type dialog's two method buttons

    bool has(TypeFlag f) const { return (flags & f) != 0; }
};

const TypeInfo& type_info(int ftype);
inline bool valid_type(int ftype) { return ftype >= 0 && ftype < kTypeCount; }

inline bool is_whole_image(int ftype) { return valid_type(ftype) && type_info(ftype).kind != TypeKind::per_pixel; }
inline bool is_julia_capable(int ftype) { return type_info(ftype).has(kJuliaForm); }
inline bool remembers_julia_constant(int ftype) { return type_info(ftype).has(kRemembersConstant); }
inline bool is_first_loop_type(int ftype) { return type_info(ftype).has(kFirstLoop); }
inline bool stopped_by_input(int ftype) { return type_info(ftype).has(kStoppedByInput); }
inline bool continues_between_plots(int ftype) { return type_info(ftype).has(kContinues); }
inline bool measures_julia_cycle(int ftype) { return type_info(ftype).has(kJuliaLevelSets); }
inline bool traces_orbits(int ftype) { return type_info(ftype).has(kTracesOrbits); }
// Types whose generator leaves its own smoothing fraction in nfx.
inline bool supplies_smoothing_fraction(int ftype, int method) {
    return (type_info(ftype).own_fraction_methods >> method & 1u) != 0;
}
inline int forced_method(int ftype) { return type_info(ftype).forced_method; }
inline std::array<const char*, 2> method_captions(int ftype) { return type_info(ftype).method_captions; }

}  // namespace zoquel
