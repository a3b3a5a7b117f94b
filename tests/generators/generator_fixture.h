#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "model/canvas.h"
#include "model/type_implementation.h"
#include "rules/type_selection.h"

namespace zoquel {

// One whole-image generator of a type, made and stepped as the driver does, on an image and a
// screen of its own; the clock is fixed so random numbers repeat.
class GeneratorTest : public ::testing::Test {
protected:
    void use(int ftype, int method, int width, int height) {
        s = Settings{};
        FirstTimeFlags first = all_first_time();
        choose_type(s, first, ftype, method);
        s.xres = width;
        s.yres = height;
        image.resize(width, height, pack(9, 9, 9));
        screen.resize(width, height, pack(9, 9, 9));
        host.fixed_time = 1234;
    }
    ImageInput input() { return ImageInput{s, ImageGeometry::of(s.view(), s.xres, s.yres), cycle, host, memory}; }
    template <class G>
    std::unique_ptr<G> make() {
        return std::make_unique<G>(input());
    }
    StepResult step(WholeImage& g) {
        Canvas canvas(image, screen);
        StepContext context{s, host, memory};
        const StepResult r = g.step(canvas, context);
        canvas.present(host);
        return r;
    }
    // Pixels of the image that are not `colour`.
    int pixels_other_than(Pixel colour) const {
        int n = 0;
        for (Pixel p : image.pixels()) n += p != colour;
        return n;
    }

    Settings s;
    TypeMemory memory;
    HeadlessHost host;
    Attractor cycle;
    Surface image, screen;
};

}  // namespace zoquel
