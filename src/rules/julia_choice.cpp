#include "rules/julia_choice.h"

#include <cmath>
#include <cstdio>

namespace zoquel {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kNumeratorRange = 16, kDenominatorRange = 17;

struct Sample {
    const char* caption;
    Cx c;
};

const Sample kSamples[kJuliaSampleEntries] = {
    {"", {0, 0}},
    {"-1.25 + 0.0 i      BOF Fig. 9 - period 4 parabolic", {-1.25, 0.0}},
    {"-0.9 + 0.12 i      period 2 attractive", {-0.9, 0.12}},
    {"0.32 + 0.043 i      BOF Map 18 - period 11 dragon", {0.32, 0.043}},
    {"-0.122 + 0.745 i      BOF Fig. 4 - Douady Rabbit - period 3", {-0.122, 0.745}},
    {"-0.39054 - 0.58679 i      BOF Maps 22, 25, Fig.7 - Siegel disk", {-0.39054, -0.58679}},
    {"-0.11 + 0.656 i      BOF Map 24 - period 3", {-0.11, 0.656}},
    {"-0.194 + 0.656 i      BOF Fig. 13 - transition to Cantor set", {-0.194, 0.656}},
    {"-0.742 + 0.126 i      Seahorse Valley - period 25", {-0.742, 0.126}},
    {"-0.74543 + 0.11301 i      BOF Fig. 15, SFI 4.15 - transition to Cantor set", {-0.74543, 0.11301}},
    {"0.27334 + 0.00742 i      BOF Fig. 8 - period 20 parabolic", {0.27334, 0.00742}},
    {"-0.4818 - 0.5317 i      BOF Fig. 6 - period 5 parabolic", {-0.4818, -0.5317}},
    {"0.11031 - 0.67037 i      BOF Fig. 11 - Fatou dust", {0.11031, -0.67037}},
    {"-0.15428 + 1.03096 i      dendrite with 'beads'", {-0.15428, 1.03096}},
    {"0.2601 + 0.00175 i      Cantor set", {0.2601, 0.00175}},
    {"0.292 - 0.483 i      Cantor set - spirals", {0.292, -0.483}},
    {"0.360284 + 0.100376 i      period 8 dragon", {0.360284, 0.100376}},
    {"0.3 + 0.5 i      period 4 dragon", {0.3, 0.5}},
    {"-0.2 + 0.0i      Tree of Life - change exponent to 1.5", {-0.2, 0.0}},
    {"19", {0, 0}},
};

bool chosen(int index) { return index >= 0 && index < kJuliaSampleChoices; }

}  // namespace

std::string julia_sample_caption(const Settings& s, int index) {
    if (index < 0 || index >= kJuliaSampleEntries) return {};
    if (index > 0) return kSamples[index].caption;
    char text[128];
    std::snprintf(text, sizeof text, "Most Recent Value: %.15f %s%.15f i", s.cxsave, s.cysave < 0 ? "- " : "+ ",
                  std::fabs(s.cysave));
    return text;
}

Cx julia_sample(int index) { return index > 0 && index < kJuliaSampleEntries ? kSamples[index].c : Cx{}; }

int julia_sample_shown(const Settings& s) { return chosen(s.jindex) ? s.jindex : 0; }

bool commit_julia_sample(Settings& s, int index) {
    if (!chosen(index)) return false;
    s.jindex = index;
    const Cx c = index == 0 ? Cx{s.cxsave, s.cysave} : kSamples[index].c;
    s.params().jcx = c.re;
    s.params().jcy = c.im;
    return true;
}

Cx cardioid_point(double phi) {
    return {std::cos(phi) / 2 - std::cos(2.0 * phi) / 4, std::sin(phi) / 2 - std::sin(2.0 * phi) / 4};
}

CardioidOutcome commit_cardioid(Settings& s, long numerator, long denominator) {
    if (numerator < 1 || numerator > 99) return {kNumeratorRange, 0};
    if (denominator <= numerator || denominator > 100) return {kDenominatorRange, 1};
    s.anum = int(numerator);
    s.aden = int(denominator);
    const Cx c = cardioid_point(double(numerator) * kTwoPi / double(denominator));
    s.params().jcx = c.re;
    s.params().jcy = c.im;
    return {};
}

}  // namespace zoquel
