#include "model/view_history.h"

namespace zoquel {

void ViewHistory::visit(const Settings& s) {
    if (!entries_.empty() && entries_[current_] == s) return;
    if (!entries_.empty()) entries_.erase(entries_.begin() + std::ptrdiff_t(current_) + 1, entries_.end());
    entries_.push_back(s);
    while (entries_.size() > capacity_) entries_.pop_front();
    current_ = entries_.size() - 1;
}

std::optional<Settings> ViewHistory::back() {
    if (!can_go_back()) return std::nullopt;
    return entries_[--current_];
}

std::optional<Settings> ViewHistory::forward() {
    if (!can_go_forward()) return std::nullopt;
    return entries_[++current_];
}

void ViewHistory::clear() {
    entries_.clear();
    current_ = 0;
}

}  // namespace zoquel
