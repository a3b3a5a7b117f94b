#include "shell/keys.h"

#include <cmath>
#include <cstdio>

#include "platform/random.h"
#include "render/driver.h"
#include "rules/julia_choice.h"
#include "model/type_table.h"
#include "shell/main_window.h"
#include "shell/messages.h"

namespace zoquel::shell {

const std::vector<Accelerator>& accelerator_table() {
    static const std::vector<Accelerator> table = {
        {Qt::Key_L, Qt::NoModifier, 100},   {Qt::Key_S, Qt::NoModifier, 103},
        {Qt::Key_O, Qt::NoModifier, 106},   {Qt::Key_Escape, Qt::NoModifier, 110},
        {Qt::Key_F1, Qt::NoModifier, 115},  {Qt::Key_F7, Qt::NoModifier, 120},
        {Qt::Key_F8, Qt::NoModifier, 125},  {Qt::Key_F9, Qt::NoModifier, 128},
        {Qt::Key_F10, Qt::NoModifier, 130}, {Qt::Key_M, Qt::NoModifier, 135},
        {Qt::Key_D, Qt::NoModifier, 140},   {Qt::Key_G, Qt::NoModifier, 145},
        {Qt::Key_B, Qt::AltModifier, 150},  {Qt::Key_F11, Qt::NoModifier, 155},
        {Qt::Key_F12, Qt::NoModifier, 158}, {Qt::Key_F2, Qt::NoModifier, 180},
        {Qt::Key_F3, Qt::NoModifier, 185},  {Qt::Key_F4, Qt::NoModifier, 190},
        {Qt::Key_F5, Qt::NoModifier, 192},  {Qt::Key_F6, Qt::NoModifier, 194},
        {Qt::Key_D, Qt::ControlModifier, 126},
    };
    return table;
}

std::optional<int> accelerator_command(int qt_key, Qt::KeyboardModifiers modifiers) {
    modifiers &= ~Qt::KeypadModifier;
    for (const Accelerator& a : accelerator_table())
        if (a.key == qt_key && a.modifiers == modifiers) return a.command;
    return std::nullopt;
}

namespace {

std::string format_int(const char* format, int value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

void MainWindow::handle_key(int qt_key, Qt::KeyboardModifiers modifiers) {
    when_free([this, qt_key, modifiers] {
        LiveState& st = live();
        Settings& s = st.settings;
        const bool alt = modifiers & Qt::AltModifier;

        if (rendering()) {
            if (qt_key == Qt::Key_Pause)
                input_while_rendering(StopRequest::pause);
            else if (awaiting_input(st))
                input_while_rendering(std::nullopt);
            return;
        }
        if (navigation_key(qt_key, modifiers)) return;

        const Settings before = s;
        const int t = s.ftype;
        switch (qt_key) {
            case Qt::Key_Z:
                if (shell_.zoom.zooming) zoom_in();
                break;
            case Qt::Key_X:
                if (shell_.zoom.zooming) cancel_box();
                break;
            case Qt::Key_A:
                if (shell_.okthumbnail == 2 && type_info(t).thumbflag) {
                    s.xyminmax[std::size_t(t)][1] = startup_view(t, 1);
                    s.pc[std::size_t(t)].jcx = shell_.tjcx;
                    s.pc[std::size_t(t)].jcy = shell_.tjcy;
                    s.method = 1;
                    st.firsttime[std::size_t(t)] = false;
                    restart_image();
                    start_render();
                }
                break;
            case Qt::Key_M:
                if (alt) {
                    shell_.palpreview = !shell_.palpreview;
                    message(shell_.palpreview ? text::kPreviewEnabled : text::kPreviewDisabled,
                            text::kCaptionPreview);
                }
                break;
            case Qt::Key_N:
                if (!alt && t == 1) post_command(162);
                if (alt && t == 27) post_command(172);
                break;
            case Qt::Key_S:
                if (alt && t == 27) post_command(172);
                break;
            case Qt::Key_V:
                if (!alt && t == 3) post_command(164);
                break;
            case Qt::Key_B:
                if (!alt && t == 5) post_command(166);
                break;
            case Qt::Key_P:
                if (t == 6) post_command(alt ? 170 : 168);
                break;
            case Qt::Key_C:
                if (t == 23 && s.method == 0) {
                    if (!alt) {
                        if (commands_.hooks.cncalculateroots) commands_.hooks.cncalculateroots(*this);
                    } else {
                        s.cindex = 3 - s.cindex;
                        message(format_int(text::kPaletteInterval, s.cindex), text::kCaptionColorIndex);
                    }
                }
                break;
            case Qt::Key_L:
                if (alt && t == 24) post_command(174);
                break;
            case Qt::Key_D:
                if (alt && t == 22 && s.method == 0) {
                    s.collatzcrit = 1 - s.collatzcrit;
                    // A new start point is a new image: resuming would mix two.
                    restart_image();
                    message(s.collatzcrit ? text::kZ0Critical : text::kZ0Zero, text::kCaptionCriticalPoint);
                }
                break;
            case Qt::Key_F:
                if (!alt && t == 27) {
                    s.nvindex = (s.nvindex + 1) % 22;
                    // The next image measures its basins against the new formula's roots.
                    st.memory.nvfirst = true;
                    restart_image();
                    message(format_int(text::kVariation, s.nvindex), text::kCaptionVariationIndex);
                }
                break;
            case Qt::Key_G:
                if (alt && t == 31 && s.method == 0) {
                    if (run_dialog(1750).value_or(false)) st.render.firstloop = true;
                }
                break;
            case Qt::Key_J:
                if (s.method == 1 && is_julia_capable(t)) {
                    const Cx c = cardioid_point(double(random15()) / kRandomMax * 2 * M_PI);
                    s.pc[std::size_t(t)].jcx = c.re;
                    s.pc[std::size_t(t)].jcy = c.im;
                    // A new constant is a new image, not the rest of a paused one.
                    restart_image();
                    post_command(115);
                }
                break;
            default:
                break;
        }
        settings_changed(before);
        sync_render_loop();
    });
}

}  // namespace zoquel::shell
