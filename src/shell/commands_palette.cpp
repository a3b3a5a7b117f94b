#include "model/type_table.h"
#include "render/palette_preview.h"
#include "model/palettes.h"
#include "shell/command_groups.h"
#include "shell/main_window.h"
#include "shell/messages.h"

namespace zoquel::shell {

namespace {

// A new palette colours the pixels computed from now on; a paused image goes on with it.
CommandHandler set_palette(const Palette& (*palette)(), const char* message) {
    return [palette, message](MainWindow& w) {
        Settings& s = w.settings();
        s.palette = palette();
        if (is_first_loop_type(s.ftype)) w.render().firstloop = true;
        w.message(message, text::kCaptionPalette);
    };
}

}  // namespace

bool MainWindow::ask_palette(const Palette& candidate) {
    // The preview covers the window's top-left corner; what it covered comes back after.
    const Rect corner = Rect{0, 0, kPalettePreviewWidth, kPalettePreviewHeight}.intersected(screen().bounds());
    shell_.phdc.fill(kBlack);
    shell_.phdc.copy_from(screen(), corner, 0, 0);
    showpalette(candidate, *host_);
    const MessageAnswer answer = ui_->message_box(text::kAcceptPalette, text::kCaptionPreview,
                                                  MessageIcon::information, MessageButtons::yes_no, false);
    // The preview was drawn on the window only: the image never held it, and copying the
    // window into the image would burn a waiting zoom box outline into it.
    screen().copy_from(shell_.phdc, Rect{0, 0, corner.width(), corner.height()}, 0, 0);
    present(corner);
    return answer == MessageAnswer::yes;
}

void register_palette_commands(CommandTable& table) {
    table.add(140, set_palette(default_palette, text::kDefaultPalette));
    table.add(145, set_palette(greyscale_palette, text::kGreyscalePalette));
    table.add(150, set_palette(kpbw4_palette, text::kBiomorphPalette));
}

}  // namespace zoquel::shell
