#pragma once
#include <cstddef>
#include <deque>
#include <optional>

#include "model/settings.h"

namespace zoquel {

// The settings of the images the user has seen, in order, with a cursor as a browser keeps
// one: a new image after going back drops what lay ahead. Whole settings are kept, so going
// back restores the type, method, parameters and image size with the view.
class ViewHistory {
public:
    static constexpr std::size_t kDefaultCapacity = 1024;
    explicit ViewHistory(std::size_t capacity = kDefaultCapacity) : capacity_(capacity < 2 ? 2 : capacity) {}

    // An image of these settings starts. The same settings as the current entry add nothing.
    void visit(const Settings& s);
    // The current image's settings as its render left them (a Julia image keeps its constant,
    // a paused one may have taken another palette): going back returns to them.
    void update_current(const Settings& s) {
        if (!entries_.empty()) entries_[current_] = s;
    }
    // The entry before or after the current one, which becomes current; nothing at an end.
    std::optional<Settings> back();
    std::optional<Settings> forward();

    // The entry of the image last started, or null before the first.
    const Settings* current() const { return entries_.empty() ? nullptr : &entries_[current_]; }
    bool can_go_back() const { return current_ > 0; }
    bool can_go_forward() const { return current_ + 1 < entries_.size(); }
    std::size_t size() const { return entries_.size(); }
    std::size_t position() const { return current_; }
    std::size_t capacity() const { return capacity_; }
    void clear();

private:
    std::size_t capacity_;
    std::deque<Settings> entries_;
    std::size_t current_ = 0;
};

}  // namespace zoquel
