#pragma once
#include <vector>

#include "model/type_implementation.h"

namespace zoquel {

// inverseiterate: the two preimages of (x, y) under z^2 + c; `pos` lies in the closed upper
// half-plane and `neg` = -pos.
void inverseiterate(double x, double y, double cx, double cy, double& xpos, double& ypos, double& xneg, double& yneg);

// Type 32, the Julia set of z^2 + c by the modified inverse iteration (MIIM): a depth-first
// walk over both preimages, each pixel's cell passing the walk at most `maxhits` times, at most
// `maxdepth` levels deep. Every plot draws the set anew; the walk runs in steps so the window
// stays live.
class InverseJulia final : public WholeImage {
public:
    static constexpr long kVisitsPerStep = 50000;

    explicit InverseJulia(const ImageInput& in);
    StepResult step(Canvas& canvas, StepContext& context) override;

    long drawn() const { return drawn_; }
    // The cell of a plane point, or -1 where its index falls outside the grid.
    long cell(double x, double y) const;

private:
    struct Frame {
        double pos[2], neg[2];
        int depth;
        int stage;  // 0: the positive preimage is next, 1: the negative one, 2: done
    };
    // miim's entry: draws the point and stacks its preimages, unless the depth is reached.
    void visit(Canvas& canvas, double x, double y, int depth);
    // The pixel of a plane point, as doubles (y grows upward).
    void pixel_of(double x, double y, double& px, double& py) const;

    int width_, height_;
    double xmin_, ymin_, xside_, yside_;
    double cx_, cy_;
    int maxhits_, maxdepth_;
    Pixel colour_ = kBlack, background_ = kBlack;
    std::vector<int> grid_;
    bool grid_ok_ = true;
    std::vector<Frame> stack_;
    int started_ = 0;  // start points walked so far
    double s1_[2]{}, s2_[2]{};
    bool second_start_ = false;
    long drawn_ = 0;
};

TypeImplementation jmiim_implementation();

}  // namespace zoquel
