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

// The constant facts about one fractal type.
struct TypeInfo {
    const char* name;
    TypeKind kind;
    int thumbflag;
    std::array<View, 2> default_view;  // by method
    Param default_params;
};

const TypeInfo& type_info(int ftype);
inline bool valid_type(int ftype) { return ftype >= 0 && ftype < kTypeCount; }

// The groups of types other parts of the program test by number.
bool is_whole_image(int ftype);
bool is_julia_capable(int ftype);           // samples, cardioid border, random J
bool remembers_julia_constant(int ftype);   // cxsave/cysave at the end of a method-1 image
bool is_first_loop_type(int ftype);         // start afresh on firstloop
// Types whose generator leaves its own smoothing fraction in nfx.
bool supplies_smoothing_fraction(int ftype, int method);

// The method a type is fixed to, or -1 when both are allowed.
int forced_method(int ftype);
// The captions of the two method buttons of the type dialog.
std::array<const char*, 2> method_captions(int ftype);

}  // namespace zoquel
