#include "platform/host.h"

#include <chrono>
#include <cstdio>

namespace zoquel {

HeadlessHost::HeadlessHost() = default;

MessageAnswer HeadlessHost::message_box(const std::string& text, const std::string& caption, MessageIcon,
                                        MessageButtons buttons) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return buttons == MessageButtons::yes_no ? MessageAnswer::yes : MessageAnswer::ok;
}

unsigned HeadlessHost::time_of_day() {
    if (fixed_time) return *fixed_time;
    auto now = std::chrono::system_clock::now().time_since_epoch();
    return unsigned(std::chrono::duration_cast<std::chrono::seconds>(now).count() % 86400);
}

}  // namespace zoquel
