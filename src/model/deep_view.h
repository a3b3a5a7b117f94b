#pragma once
#include <string>

#include "model/type_table.h"

namespace zoquel {

// A view narrower than doubles can place: its centre as decimal text of any length and its
// width, with square pixels. It belongs to one type and method and to the double view it was
// made beside (`corners`, the nearest doubles): once that view is edited, the typed doubles
// count and the deep view no longer applies.
struct DeepView {
    int ftype = 0, method = 0;
    View corners;
    std::string re, im, width;
    friend bool operator==(const DeepView&, const DeepView&) = default;
};

// Iteration limits: the dialog's and binary record's, and the deep path's beyond them.
constexpr int kDialogMaxIterations = 16384;
constexpr int kDeepMaxIterations = 10'000'000;

}  // namespace zoquel
