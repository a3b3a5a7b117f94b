#include "shell/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <algorithm>
#include <cmath>

#include "platform/random.h"
#include "render/driver.h"
#include "shell/command_groups.h"
#include "shell/image_view.h"
#include "shell/keys.h"
#include "shell/messages.h"
#include "shell/startup.h"
#include "shell/status_line.h"

namespace zoquel::shell {

MainWindow::MainWindow(Options options) {
    if (options.ui) {
        ui_ = options.ui;
    } else {
        own_ui_ = std::make_unique<QtUserInterface>(this);
        ui_ = own_ui_.get();
    }
    QScreen* qscreen = QGuiApplication::primaryScreen();
    const QRect geometry = qscreen ? qscreen->geometry() : QRect(0, 0, 800, 600);
    // The screen in device pixels: the image is measured in them, not in scaled units.
    const double ratio = qscreen ? qscreen->devicePixelRatio() : 1.0;
    xscreen_ = options.screen_width.value_or(int(std::lround(geometry.width() * ratio)));
    yscreen_ = options.screen_height.value_or(int(std::lround(geometry.height() * ratio)));
    const int depth = options.screen_depth.value_or(qscreen ? qscreen->depth() : 24);

    view_ = new ImageView;
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("imageScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll_->setWidgetResizable(true);
    QPalette black = scroll_->palette();
    black.setColor(QPalette::Window, Qt::black);
    scroll_->setPalette(black);
    scroll_->setWidget(view_);
    setCentralWidget(scroll_);
    view_->installEventFilter(this);
    scroll_->viewport()->installEventFilter(this);
    view_->setFocus();
    host_ = std::make_unique<QtHost>(view_, ui_);
    view_->set_surfaces(&host_->screen(), &live().image);
    view_->on_resize = [this](int w, int h) { host_->resize_screen(w, h, live().image); };
    view_->on_restored = [this] { redraw_box_outline(); };
    status_ = std::make_unique<StatusLine>(statusBar());
    host_->on_progress = [this](const char* what, double fraction) { status_->show_setup(what, fraction); };

    if (options.register_commands)
        options.register_commands(commands_);
    else
        register_command_groups(commands_);
    build_menus();
    setWindowTitle(text::kTitle);

    fit_timer_.setSingleShot(true);
    fit_timer_.setInterval(250);
    connect(&fit_timer_, &QTimer::timeout, this, [this] { fit_image_to_window(); });
    render_timer_.setSingleShot(true);
    connect(&render_timer_, &QTimer::timeout, this, [this] { render_turn(); });
    animation_timer_.setSingleShot(true);
    connect(&animation_timer_, &QTimer::timeout, this, [this] {
        if (!animation_) return;
        const StepResult r = animation_step(live(), *animation_);
        if (r.more)
            animation_timer_.start(r.delay_ms);
        else
            stop_animation();
    });

    // The window's creation: the live tables at their start-up values, the image at the
    // default size, the surfaces black.
    seed_random(host_->time_of_day());
    reset_live_state(*host_);
    Settings& s = live().settings;
    s.xres = s.yres = default_image_size(yscreen_);
    live().image.resize(s.xres, s.yres, kBlack);
    live().image.fill(kBlack);
    image_size_changed();
    const QSize device = view_->device_size();
    host_->resize_screen(device.width(), device.height(), live().image);
    update_status(true);

    move(0, 0);
    resize(int(xscreen_ / ratio), std::max(200, int((yscreen_ - 38) / ratio) - menuBar()->sizeHint().height()));

    if (depth < 24) startup_error_ = 3;
}

MainWindow::~MainWindow() {
    // Workers may still be computing rows of this window's image.
    discard_rows_in_flight(live());
    if (live().host == host_.get()) live().host = &headless_host();
}

void MainWindow::start(const std::optional<std::string>& parameter_file) {
    auto after_splash = [this, parameter_file] {
        if (parameter_file && commands_.hooks.load_parameter_file)
            commands_.hooks.load_parameter_file(*this, *parameter_file);
        post_command(196);
        if (parameter_file) post_command(115);
    };
    if (commands_.hooks.startup_splash)
        commands_.hooks.startup_splash(*this, after_splash);
    else
        after_splash();
}

void MainWindow::build_menus() {
    // The shortcut column shows each item's accelerator. The keys themselves are handled by
    // the window's key handler: the shortcut is bound to the menu alone, so it acts only while
    // that menu is open, never twice. '&' marks a mnemonic and is not shown.
    auto add = [this](QMenu* menu, const char* text, int id) {
        QAction* a = menu->addAction(QString::fromLatin1(text));
        a->setObjectName(QStringLiteral("command%1").arg(id));
        for (const Accelerator& k : accelerator_table())
            if (k.command == id) {
                a->setShortcut(QKeySequence(QKeyCombination(k.modifiers, Qt::Key(k.key))));
                a->setShortcutContext(Qt::WidgetShortcut);
            }
        connect(a, &QAction::triggered, this, [this, id] { run_command(id); });
        actions_[id] = a;
    };
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File   "));
    add(file, "Load Parameter File (&L)", 100);
    add(file, "Save Image and Parameters (&S)", 103);
    add(file, "Save Parameters Only (&O)", 106);
    add(file, "E&xit (Esc)", 110);

    QAction* plot = bar->addAction(QStringLiteral("Plot Fractal (F&1)   "));
    plot->setObjectName(QStringLiteral("command115"));
    connect(plot, &QAction::triggered, this, [this] { run_command(115); });
    actions_[115] = plot;

    QMenu* options = bar->addMenu(QStringLiteral("&Options   "));
    add(options, "Fractal &Type (F7)", 120);
    add(options, "P&arameters (F8)", 125);
    add(options, "Deep &View (Ctrl + D)", 126);
    QMenu* julia = options->addMenu(QStringLiteral("&Julia Parameters"));
    add(julia, "Julia &Samples (F9)", 128);
    add(julia, "&Cardioid Border (F10)", 130);
    QMenu* palette = options->addMenu(QStringLiteral("&Palette"));
    add(palette, "MAP File (&M)", 135);
    add(palette, "Default Palette (&D)", 140);
    add(palette, "Greyscale Palette (&G)", 145);
    add(palette, "&Biomorph BW Palette (Alt + B)", 150);
    QMenu* coloring = options->addMenu(QStringLiteral("&Coloring"));
    add(coloring, "&Outside Coloring (F11)", 155);
    add(coloring, "&Inside Coloring (F12)", 158);
    QMenu* help = options->addMenu(QStringLiteral("&Help"));
    add(help, "&Help Topics (F2)", 180);
    add(help, "&About (F3)", 185);
    add(help, "&Fractal Formulae (F4)", 190);
    add(help, "&Julia Level Sets (F5)", 192);
    add(help, "&DLA Help (F6)", 194);
}

QAction* MainWindow::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::when_free(std::function<void()> f) {
    if (in_driver_)
        deferred_.push_back(std::move(f));
    else
        f();
}

void MainWindow::flush_deferred() {
    if (deferred_.empty()) return;
    // In arrival order; each may post more, which go behind.
    auto pending = std::move(deferred_);
    deferred_.clear();
    for (auto& f : pending) QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

void MainWindow::run_command(int id) {
    when_free([this, id] {
        if (rendering()) return;
        stop_animation();
        const CommandHandler* handler = commands_.find(id);
        if (!handler) return;
        const Settings before = live().settings;
        (*handler)(*this);
        settings_changed(before);
        sync_render_loop();
    });
}

void MainWindow::settings_changed(const Settings& before) {
    const Settings& now = live().settings;
    if (rendering() || before == now) return;
    // Rows computed ahead for a paused image belong to the old settings.
    discard_rows_in_flight(live());
    // The picture on the screen no longer maps to the plane the settings give: a box or a
    // thumbnail over it would land somewhere else.
    if (now.ftype != before.ftype || now.method != before.method || !(now.view() == before.view()) ||
        now.xres != before.xres || now.yres != before.yres) {
        if (shell_.zoom.zooming || shell_.zoom.drawbox) cancel_box();
        shell_.okzoom = false;
        shell_.okthumbnail = 0;
    }
}

void MainWindow::post_command(int id) {
    QMetaObject::invokeMethod(this, [this, id] { run_command(id); }, Qt::QueuedConnection);
}

std::optional<bool> MainWindow::run_dialog(int template_id) {
    const DialogRunner* runner = commands_.find_dialog(template_id);
    if (!runner) return std::nullopt;
    return (*runner)(*this);
}

void MainWindow::post_key(int qt_key, Qt::KeyboardModifiers modifiers) {
    QMetaObject::invokeMethod(this, [this, qt_key, modifiers] { handle_key(qt_key, modifiers); },
                              Qt::QueuedConnection);
}

void MainWindow::message(const std::string& text, const char* caption) {
    ui_->message_box(text, caption, MessageIcon::information, MessageButtons::ok, false);
}

void MainWindow::start_render() {
    if (live().render.j == 0) {
        // A new image: the way back to it, and its own clock.
        history_.visit(live().settings);
        render_ms_ = 0;
    }
    render_clock_.start();
    live().render.okfractal = true;
    next_turn_delay_ms_ = 0;
    update_status(true);
    sync_render_loop();
}

void MainWindow::restart_image() { restart_render(live()); }

void MainWindow::recreate_image() {
    discard_rows_in_flight(live());
    live().image.resize(live().settings.xres, live().settings.yres, kBlack);
    image_size_changed();
}

void MainWindow::image_size_changed() { view_->set_image_size(live().settings.xres, live().settings.yres); }

void MainWindow::redraw_now() {
    const QSize device = view_->device_size();
    host_->resize_screen(device.width(), device.height(), live().image);
    view_->repaint();
}

void MainWindow::sync_render_loop() {
    if (rendering() && !in_driver_ && !awaiting_input(live())) {
        if (!render_timer_.isActive()) render_timer_.start(next_turn_delay_ms_);
    } else if (!rendering() || awaiting_input(live())) {
        render_timer_.stop();
    }
}

void MainWindow::after_driver_step(const DriverStep& step) {
    next_turn_delay_ms_ = step.delay_ms;
    switch (step.kind) {
        case DriverStep::Kind::image_done:
            shell_.unsaved = true;
            shell_.okzoom = true;
            shell_.okthumbnail = type_info(settings().ftype).thumbflag ? 1 : 0;
            break;
        case DriverStep::Kind::whole_image:
            // A whole image cannot be zoomed nor give a thumbnail; Orbits take clicks once drawn.
            shell_.okzoom = false;
            shell_.okthumbnail = 0;
            if (!rendering()) shell_.unsaved = true;
            if (!rendering() && traces_orbits(settings().ftype)) {
                shell_.okorbit = true;
                shell_.eraseorbit = false;
            }
            break;
        default:
            break;
    }
}

void MainWindow::render_turn() {
    if (in_driver_) return;
    LiveState& s = live();
    if (!s.render.okfractal) return;
    in_driver_ = true;
    const DriverStep step = fractaldriver(s);
    in_driver_ = false;
    after_driver_step(step);
    if (!rendering())
        render_stopped(step.kind == DriverStep::Kind::image_done);
    else
        update_status(false);
    flush_deferred();
    sync_render_loop();
}

void MainWindow::start_animation(WholeImagePtr animation) {
    animation_ = std::move(animation);
    animation_timer_.start(0);
}

void MainWindow::stop_animation() {
    animation_timer_.stop();
    animation_.reset();
}

void MainWindow::input_while_rendering(std::optional<StopRequest> input) {
    LiveState& st = live();
    if (awaiting_input(st)) {
        // Any key or click goes on from the preliminary pass to the image.
        deliver_input(st, input.value_or(StopRequest::click));
    } else if (input && !deliver_input(st, *input) && *input == StopRequest::pause) {
        st.render.okfractal = false;
        host_->restore_cursor();
        render_stopped(false);
    }
    sync_render_loop();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    // A key ends an animation over the image, and does nothing else.
    if (animating()) {
        stop_animation();
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (auto command = accelerator_command(event->key(), mods)) {
        run_command(*command);
    } else {
        handle_key(event->key(), mods);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && shell_.follow_window) fit_timer_.start();
    if (watched != view_) return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // A click ends an animation over the image, and does nothing else.
            if (animating()) {
                stop_animation();
                return true;
            }
            auto* m = static_cast<QMouseEvent*>(event);
            const QPoint p = view_->to_device(m->position());
            const bool pan_button = m->button() == Qt::MiddleButton ||
                                    (m->button() == Qt::LeftButton && (m->modifiers() & Qt::ControlModifier));
            if (pan_button && view_navigable()) {
                begin_pan(p.x(), p.y());
                return true;
            }
            if (m->button() == Qt::LeftButton)
                left_button_down(p.x(), p.y());
            else if (m->button() == Qt::RightButton)
                right_button_down(p.x(), p.y());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(event);
            const QPoint p = view_->to_device(m->position());
            if (panning()) {
                if (m->button() == Qt::MiddleButton || m->button() == Qt::LeftButton) end_pan(p.x(), p.y());
            } else if (m->button() == Qt::LeftButton) {
                left_button_up();
            }
            return true;
        }
        case QEvent::MouseMove: {
            auto* m = static_cast<QMouseEvent*>(event);
            const QPoint p = view_->to_device(m->position());
            if (panning())
                pan_move(p.x(), p.y());
            else
                mouse_move(p.x(), p.y());
            pointer_at(p);
            return true;
        }
        case QEvent::Leave:
            pointer_at(std::nullopt);
            return false;
        case QEvent::Wheel: {
            auto* e = static_cast<QWheelEvent*>(event);
            // Over anything but a finished image the wheel scrolls, as it does elsewhere.
            if (!view_navigable() || animating()) return false;
            wheel_delta_ += e->angleDelta().y();
            const int notches = wheel_delta_ / 120;
            wheel_delta_ -= notches * 120;
            const QPoint p = view_->to_device(e->position());
            if (notches != 0) wheel_zoom(p.x(), p.y(), notches);
            return true;
        }
        case QEvent::KeyPress:
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        default:
            return QMainWindow::eventFilter(watched, event);
    }
}

}  // namespace zoquel::shell
