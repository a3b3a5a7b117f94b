#pragma once
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/view_history.h"
#include "render/driver.h"
#include "rules/view_zoom.h"
#include "render/live_state.h"
#include "render/thumbnail.h"
#include "shell/commands.h"
#include "shell/qt_host.h"
#include "shell/user_interface.h"
#include "shell/zoom_box.h"

class QAction;
class QScrollArea;

namespace zoquel::shell {

class ImageView;
class StatusLine;

// The main window's own state: what the finished image allows (a zoom box, the thumbnail,
// orbits), the zoom box, the thumbnail and orbit overlays, the palette preview switch and the
// flags the dialogs leave for the commands that opened them.
struct ShellState {
    bool okzoom = false;     // a finished per-pixel image may be zoomed with a box
    int okthumbnail = 0;     // 1: the thumbnail may be shown; 2: it is shown
    bool okorbit = false;    // clicks on the finished image trace orbits
    ZoomState zoom;
    bool eraseorbit = false;
    double tjcx = 0, tjcy = 0;  // the thumbnail's Julia constant
    bool palpreview = true;     // preview a MAP file's palette and ask before taking it
    Palette paltemp{};          // a MAP file's palette waiting to be accepted
    bool firstjlevel = true;    // the Julia level-set help not yet shown
    bool unsaved = false;       // a finished image not saved since: Exit asks first
    bool follow_window = false;  // the image size follows the window (Ctrl+F)
    // Set by the parameter and gingerbread-men dialogs, read and cleared by their commands.
    bool newdimensions = false, drestore = false, prestore = false, newa0 = false;
    Surface jhdc{kThumbnailSize, kThumbnailSize};  // the window pixels under the Julia thumbnail
    Surface phdc{262, 362};  // the window pixels under the palette preview
};

struct MainWindowOptions {
    UserInterface* ui = nullptr;                                    // null: the real boxes and dialogs
    std::optional<int> screen_width, screen_height, screen_depth;  // null: the real screen
    std::function<void(CommandTable&)> register_commands;           // null: every command group
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using Options = MainWindowOptions;
    explicit MainWindow(Options options = Options());
    ~MainWindow() override;

    // 0, or the start-up error code (3: the display has fewer than 24 bits per pixel).
    int startup_error() const { return startup_error_; }
    // The last start-up steps once the window shows: the splash, and when it has gone a
    // parameter file named on the command line, the start screen and, with a file, the plot.
    void start(const std::optional<std::string>& parameter_file = std::nullopt);

    LiveState& state() { return live(); }
    Settings& settings() { return live().settings; }
    RenderState& render() { return live().render; }
    TypeMemory& memory() { return live().memory; }
    ShellState& shell() { return shell_; }
    QtHost& host() { return *host_; }
    UserInterface& ui() { return *ui_; }
    CommandTable& commands() { return commands_; }
    ImageView* view() const { return view_; }
    QScrollArea* scroll_area() const { return scroll_; }
    StatusLine& status() { return *status_; }
    ViewHistory& history() { return history_; }
    Surface& screen() { return host_->screen(); }
    int xscreen() const { return xscreen_; }
    int yscreen() const { return yscreen_; }
    bool rendering() const { return live().render.okfractal; }

    // Runs a command now, as a menu choice or accelerator does; ignored while rendering.
    void run_command(int id);
    // Runs it after the current event, behind everything posted before it.
    void post_command(int id);
    // The dialog with this template number: its answer, or nothing when it is not built.
    std::optional<bool> run_dialog(int template_id);
    // A key as the window receives it (after the accelerator table).
    void handle_key(int qt_key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void post_key(int qt_key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // An information box with no owner, as most of the explorer's messages are.
    void message(const std::string& text, const char* caption);

    // Shows the preview of a candidate palette in the window's top-left corner, asks
    // "Accept palette?" and puts the window's pixels back; true on Yes (commands_palette.cpp).
    bool ask_palette(const Palette& candidate);

    // Plot Fractal: start or resume rendering.
    void start_render();
    // The settings changed: the next plot starts a new image.
    void restart_image();
    // Re-creates the image bitmap at the settings' size (a new size from the parameter dialog).
    void recreate_image();
    // Repaint the window now from the image bitmap, as after a file dialog closes.
    void redraw_now();
    // Shows the screen surface's rectangle now.
    void present(const Rect& area) { host_->present(area); }

    // One turn of the render loop: one call of the render driver while okfractal is set.
    void render_turn();
    // Starts the render loop's timer while okfractal is set and the render has work to do;
    // stops it when idle or waiting for a key or click.
    void sync_render_loop();
    bool render_loop_active() const { return render_timer_.isActive(); }
    // A key or click while rendering: Pause pauses, or reaches the render where it takes
    // input; after a preliminary pass any key or click goes on.
    void input_while_rendering(std::optional<StopRequest> input);

    // An animation over the finished image (an orbit trace), run in paced steps on the event
    // loop; any key or click ends it.
    void start_animation(WholeImagePtr animation);
    void stop_animation();
    bool animating() const { return animation_ != nullptr; }

    // Navigation (navigation.cpp). Back and Forward render the settings of the image before or
    // after the current one in the history; the rest act on a finished per-pixel image, with
    // the zoom box's arithmetic, and render the new view at once. Points are image pixels.
    void go_back();
    void go_forward();
    void wheel_zoom(int x, int y, int notches);
    void zoom_about(double x, double y, double factor);
    void pan_view(double dx, double dy);
    void begin_pan(int x, int y);
    void pan_move(int x, int y);
    void end_pan(int x, int y);
    bool panning() const { return pan_start_.has_value(); }
    // With follow_window: the image takes the size of the window's image area, keeping the
    // view's centre and pixel size, and renders again if an image was shown.
    void fit_image_to_window();
    void set_follow_window(bool on);
    // The pointer is over this pixel (or left the image): the status line follows.
    void pointer_at(std::optional<QPoint> pixel);
    // Exit asks first when the image changed since it was last saved; `exit` runs on yes.
    void confirm_exit(std::function<void()> exit);

    // The menu item or top-level entry of a command.
    QAction* action(int id) const;

    // Mouse, in client coordinates (zoom_box.cpp).
    void left_button_down(int x, int y);
    void left_button_up();
    void mouse_move(int x, int y);
    void right_button_down(int x, int y);
    bool in_image_area(int x, int y) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_menus();
    // Runs `f` now, or after the driver's call if it comes while one runs (from inside a
    // message box the call shows).
    void when_free(std::function<void()> f);
    void flush_deferred();
    void settings_changed(const Settings& before);
    void zoom_in();      // Z
    void cancel_box();   // X
    // What the window may do after the driver's call: zoom, thumbnail, orbits.
    void after_driver_step(const DriverStep& step);
    bool navigation_key(int qt_key, Qt::KeyboardModifiers modifiers);
    bool view_navigable() const;
    // The box of the image shown becomes the view, which renders at once.
    void view_to_box(const PixelBox& box);
    void show_settings(const Settings& s);
    void render_stopped(bool finished);
    void update_status(bool force);
    void redraw_box_outline();
    void image_size_changed();

    friend struct KeyHandling;

    std::unique_ptr<QtUserInterface> own_ui_;
    UserInterface* ui_ = nullptr;
    ImageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    std::unique_ptr<StatusLine> status_;
    ViewHistory history_;
    QElapsedTimer render_clock_, status_clock_;
    long long render_ms_ = 0;  // time spent on the image before the current run
    int wheel_delta_ = 0;      // wheel angle not yet a whole notch
    std::optional<QPoint> pan_start_;
    QTimer fit_timer_;         // a resize settles before the image follows it
    bool fit_pending_ = false;  // the window changed size during a render
    bool close_confirmed_ = false;
    std::optional<QPoint> pointer_;  // the image pixel under the pointer, for the status line
    std::unique_ptr<QtHost> host_;
    CommandTable commands_;
    ShellState shell_;
    std::map<int, QAction*> actions_;
    QTimer render_timer_;
    int next_turn_delay_ms_ = 0;
    WholeImagePtr animation_;
    QTimer animation_timer_;
    bool in_driver_ = false;
    std::vector<std::function<void()>> deferred_;
    int startup_error_ = 0;
    int xscreen_ = 0, yscreen_ = 0;
};

}  // namespace zoquel::shell
