#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <thread>

#include "render/driver.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/presentation.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    if (std::optional<std::string> answer = zoquel::shell::command_line_answer({argv + 1, argv + argc})) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zoquel"));
    QApplication::setWindowIcon(zoquel::shell::application_icon());
    zoquel::set_render_threads(int(std::max(1u, std::thread::hardware_concurrency())));

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    const bool no_intro = zoquel::shell::take_flag(arguments, "--no-intro");

    zoquel::shell::MainWindow window;
    if (!no_intro) zoquel::shell::add_start_presentation(window.commands());
    if (int code = window.startup_error()) {
        zoquel::shell::QtUserInterface().message_box(zoquel::shell::text::kStartupError[code - 1],
                                                     zoquel::shell::text::kCaptionError,
                                                     zoquel::MessageIcon::exclamation, zoquel::MessageButtons::ok,
                                                     false);
        return 0;
    }
    window.show();
    window.start(zoquel::shell::parameter_file_argument(arguments));
    return app.exec();
}
