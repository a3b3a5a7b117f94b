#pragma once
#include "model/whole_image.h"
#include "render/type_registry.h"

namespace zoquel {

// A paced animation in place of a whole-image generator, for the tests of the step contract:
// each step draws one more point of a diagonal, white, and asks for the next after 5 ms; a
// stop request ends the run at the next step, without drawing, and so does the end of a run
// of `run_length` steps where one is set.
class StandInAnimation : public WholeImage {
public:
    // What every stand-in did, for the test to look at; reset() before each test.
    struct Record {
        int made = 0;           // objects made: fresh images
        long steps = 0;         // steps that drew
        int stops = 0;          // stop requests received
        int plots = 0;          // runs begun
        StopRequest last_stop = StopRequest::pause;
        long run_length = 0;    // steps a run draws before it ends by itself; 0: never
    };
    static Record& record() {
        static Record r;
        return r;
    }
    static void reset() { record() = Record{}; }

    explicit StandInAnimation(const ImageInput&) { ++record().made; }

    void begin_plot() override {
        ++record().plots;
        in_run_ = 0;
    }
    StepResult step(Canvas& canvas, StepContext&) override {
        if (stopped_) return StepResult{false, 0, false};
        if (drawn_ == 0) canvas.start_afresh(kBlack);
        canvas.plot(drawn_ % canvas.width(), drawn_ % canvas.height(), kWhite);
        ++drawn_;
        ++record().steps;
        const bool more = record().run_length == 0 || ++in_run_ < record().run_length;
        return StepResult{more, 5, false};
    }
    void stop_request(StopRequest r) override {
        stopped_ = true;
        ++record().stops;
        record().last_stop = r;
    }

    static WholeImagePtr make(const ImageInput& in) { return std::make_unique<StandInAnimation>(in); }

private:
    int drawn_ = 0;
    long in_run_ = 0;
    bool stopped_ = false;
};

// The program's types with the stand-in as type `ftype` (a whole-image type).
inline TypeRegistry with_stand_in(int ftype) {
    TypeRegistry r = standard_types();
    r[ftype] = TypeImplementation{.whole = StandInAnimation::make};
    return r;
}

}  // namespace zoquel
