#include <QApplication>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sys/wait.h>

#include "files/file_dialogs.h"
#include "files/map_file.h"
#include "files/parameter_file.h"
#include "render/driver.h"
#include "render/palette_preview.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/file_commands.h"
#include "shell/main_window.h"
#include "support/test_window.h"

using namespace zoquel;
using namespace zoquel::shell;
namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;
    fs::path dir_;

    MainWindow& w() { return *w_; }
    RecordingUserInterface& ui() { return *ui_; }
    std::string at(const std::string& name) const { return (dir_ / name).string(); }

    void open_window() {
        w_.reset();
        ui_ = std::make_unique<RecordingUserInterface>();
        MainWindowOptions o;
        o.ui = ui_.get();
        o.screen_width = 1024;
        o.screen_height = 768;
        const std::string start = dir_.string();
        o.register_commands = [start](CommandTable& t) {
            register_command_groups(t);
            register_file_commands(t, start);  // dialogs start in the test's folder
        };
        w_ = std::make_unique<MainWindow>(o);
        w_->show();
        QCoreApplication::processEvents();
    }

    void render_to_end() { QVERIFY(render_until_done(w())); }

    // Runs a command and whatever it posts.
    void command(int id) {
        w().run_command(id);
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    }

    const RecordingUserInterface::Message& last_message() { return ui().messages.back(); }

    bool screen_matches_image(const Rect& r) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (w().screen().get_pixel(x, y) != w().state().image.get_pixel(x, y)) return false;
        return true;
    }

    // Settings unlike the start-up ones that the explorer can render.
    static Settings julia_settings() {
        Settings s;
        s.ftype = 0, s.method = 1, s.maxiter = 180, s.outside = 2;
        s.params().jcx = -0.122, s.params().jcy = 0.745;
        s.palette = greyscale_palette();
        return s;
    }

private slots:
    void init() {
        set_render_threads(1);
        dir_ = fs::temp_directory_path() / ("zoquel-file-commands-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        open_window();
    }
    void cleanup() {
        w_.reset();
        fs::remove_all(dir_);
    }

    void dialogsCarryTheirTitlesFiltersAndSuffixes() {
        command(100);
        command(103);
        command(106);
        command(135);
        QCOMPARE(int(ui().file_dialogs.size()), 4);
        const auto& d = ui().file_dialogs;
        QCOMPARE(d[0].save, false);
        QCOMPARE(d[0].request.title, std::string("Select an ZQ parameter file:"));
        QCOMPARE(d[0].request.filter, std::string("ZQ files (*.zq)"));
        QCOMPARE(d[0].request.default_suffix, std::string("zq"));
        QCOMPARE(d[1].save, true);
        QCOMPARE(d[1].request.title, std::string("Select a file for saving your image:"));
        QCOMPARE(d[1].request.filter, std::string("Targa files (*.tga)"));
        QCOMPARE(d[1].request.default_suffix, std::string("tga"));
        QCOMPARE(d[2].request.title, std::string("Select a file for saving parameters:"));
        // The newer formats come second, each with its own extension.
        QCOMPARE(int(d[0].request.more_filters.size()), 2);
        QCOMPARE(filter_suffix(d[0].request.more_filters[1]), std::string("png"));
        QCOMPARE(filter_suffix(d[1].request.more_filters.at(0)), std::string("png"));
        QCOMPARE(filter_suffix(d[2].request.more_filters.at(0)), std::string("zqt"));
        QVERIFY(d[3].request.more_filters.empty());
        QCOMPARE(d[3].save, false);
        QCOMPARE(d[3].request.title, std::string("Select a Fractint .MAP File"));
        QCOMPARE(d[3].request.filter, std::string("Fractint .map files (*.map)"));
        for (const auto& dialog : d) QCOMPARE(dialog.request.initial_path, dir_.string());  // the start-up folder
        QVERIFY(ui().messages.empty());  // cancelled: nothing else happens
        QVERIFY(!w().rendering());
    }

    void loadingAFileReplacesTheSettingsAndReopensThere() {
        const Settings saved = julia_settings();
        QCOMPARE(writezq(saved, at("j.zq")), int(kZqOk));
        w().settings().maxiter = 999;
        ui().file_answers.push_back(at("j.zq"));
        command(100);
        QCOMPARE(w().settings().ftype, 0);
        QCOMPARE(w().settings().method, 1);
        QCOMPARE(w().settings().maxiter, 180);
        QVERIFY(w().settings().palette == greyscale_palette());
        QCOMPARE(last_message().text, std::string("Parameter file  j.zq  loaded."));
        QCOMPARE(last_message().caption, std::string("Zoquel"));
        QVERIFY(last_message().icon == MessageIcon::information);
        QVERIFY(!w().rendering());  // it shows at the next Plot Fractal
        command(100);
        QCOMPARE(ui().file_dialogs.back().request.initial_path, at("j.zq"));
    }

    void aBadFileIsReportedAndChangesNothing() {
        { std::ofstream(at("short.zq")) << "truncated"; }
        std::vector<std::uint8_t> big(kZqRecordSize + 10, 0);
        { std::ofstream(at("big.zq"), std::ios::binary).write(reinterpret_cast<const char*>(big.data()), 1115); }
        ZqRecord garbage = encode_zq(Settings());
        garbage[0] = 77;  // no such type
        { std::ofstream(at("bad.zq"), std::ios::binary).write(reinterpret_cast<const char*>(garbage.data()), 1105); }
        w().settings().maxiter = 321;
        const Settings before = w().settings();
        for (const char* name : {"short.zq", "big.zq", "bad.zq", "missing.zq"}) {
            ui().file_answers.push_back(at(name));
            command(100);
            QVERIFY(w().settings() == before);
            QCOMPARE(last_message().text, std::string("Error opening ZQ file"));
            QCOMPARE(last_message().caption, std::string("ZQ file error"));
            QVERIFY(last_message().icon == MessageIcon::exclamation);
            QVERIFY(last_message().owned);
        }
    }

    // Save image and parameters, quit, start again on the file: the same picture.
    void aSavedPictureComesBackFromItsParameterFile() {
        w().settings() = julia_settings();
        w().settings().xres = w().settings().yres = 600;
        w().start_render();
        render_to_end();
        ui().file_answers.push_back(at("pic.tga"));
        command(103);
        QCOMPARE(int(ui().messages.size()), 2);
        QCOMPARE(ui().messages[0].text, std::string("Image saved as pic.tga"));
        QCOMPARE(ui().messages[1].text,
                 std::string("Parameters saved as pic.zq\n\nLoad via ' File ' menu or by double-clicking."));
        QCOMPARE(ui().messages[1].caption, std::string("Zoquel"));
        QVERIFY(fs::exists(at("pic.zq")));
        command(106);  // the parameter dialog now opens on the file just written
        QCOMPARE(ui().file_dialogs.back().request.initial_path, at("pic.zq"));
        const Surface first = w().state().image;

        open_window();
        w().start(at("pic.zq"));
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        render_to_end();
        QVERIFY(w().state().image == first);
        QVERIFY(ui().messages.empty());

        // The headless renderer reproduces the saved Targa byte for byte.
        const std::string cmd = std::string(ZOQUEL_RENDER_BINARY) + " " + at("pic.zq") + " --size 600x600 -o " + at("cli.tga");
        const int rc = std::system(cmd.c_str());
        QVERIFY(WIFEXITED(rc) && WEXITSTATUS(rc) == 0);
        QVERIFY(slurp(at("cli.tga")) == slurp(at("pic.tga")));
    }

    // A PNG and a text parameter file come back as the settings they were saved from; a PNG
    // that holds none is refused with its reason and changes nothing.
    void pngImagesAndTextParametersLoadAsParameterFiles() {
        w().settings() = julia_settings();
        w().settings().xres = 96;
        w().settings().yres = 80;
        w().start_render();
        render_to_end();
        const Settings saved = w().settings();
        ui().file_answers.push_back(at("pic.png"));
        command(103);
        QCOMPARE(ui().messages.at(0).text, std::string("Image saved as pic.png"));
        QVERIFY(fs::exists(at("pic.zq")));  // the binary partner, as for a Targa image
        ui().file_answers.push_back(at("p.zqt"));
        command(106);
        QCOMPARE(slurp(at("p.zqt")).rfind("zoquel-parameters", 0), 0u);

        for (const char* name : {"pic.png", "p.zqt"}) {
            w().settings() = Settings();
            ui().file_answers.push_back(at(name));
            command(100);
            QVERIFY(w().settings() == saved);
        }
        const std::string bare = std::string(ZOQUEL_RENDER_BINARY) + " --size 40x40 -o - | head -c 33 > " + at("bare.png");
        QCOMPARE(std::system(bare.c_str()), 0);  // the header alone: no parameters
        const Settings before = w().settings();
        ui().file_answers.push_back(at("bare.png"));
        command(100);
        QVERIFY(w().settings() == before);
        QCOMPARE(last_message().caption, std::string("ZQ file error"));
        QVERIFY(QString::fromStdString(last_message().text).startsWith("Error opening ZQ file\n\nbare.png: "));
    }

    void aStartUpFileThatCannotBeLoadedIsReportedAndTheDefaultsPlot() {
        { std::ofstream(at("junk.zq")) << "junk"; }
        const Settings before = w().settings();
        w().start(at("junk.zq"));
        QCOMPARE(last_message().text, std::string("Error opening ZQ file"));
        QVERIFY(w().settings() == before);
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        QVERIFY(w().rendering());
        render_to_end();
    }

    void aFailedImageSaveSkipsTheParameters() {
        ui().file_answers.push_back(at("no/such/pic.tga"));
        command(103);
        QCOMPARE(int(ui().messages.size()), 1);
        QCOMPARE(last_message().text, std::string("Error opening a save file."));
        QCOMPARE(last_message().caption, std::string("Save file error"));
        QVERIFY(last_message().icon == MessageIcon::exclamation);
        QVERIFY(!fs::exists(at("no/such/pic.zq")));
    }

    void aPreviewedPaletteIsTakenOnYesAndTheDialogReopensOnNo() {
        {
            std::ofstream map(at("red.map"));
            for (int i = 0; i < 256; ++i) map << i << " 0 0\n";
        }
        w().start_render();
        render_to_end();
        const Palette before = w().settings().palette;

        ui().file_answers.push_back(at("red.map"));
        ui().file_answers.push_back(std::nullopt);  // the reopened dialog is cancelled
        ui().answers.push_back(MessageAnswer::no);
        command(135);
        QCOMPARE(int(ui().file_dialogs.size()), 2);
        QCOMPARE(ui().file_dialogs[1].request.initial_path, at("red.map"));
        QCOMPARE(last_message().text, std::string("Accept palette?\n\n( Toggle this option with ALT + M )"));
        QCOMPARE(last_message().caption, std::string("Preview"));
        QVERIFY(last_message().buttons == MessageButtons::yes_no);
        QVERIFY(w().settings().palette == before);
        QVERIFY(screen_matches_image(Rect{0, 0, kPalettePreviewWidth, kPalettePreviewHeight}));

        ui().file_answers.push_back(at("red.map"));
        ui().answers.push_back(MessageAnswer::yes);
        command(135);
        QCOMPARE(w().settings().palette[200], (Rgb{200, 0, 0}));
        QVERIFY(screen_matches_image(Rect{0, 0, kPalettePreviewWidth, kPalettePreviewHeight}));

        w().shell().palpreview = false;  // taken at once, no question
        w().settings().palette = before;
        const std::size_t asked = ui().messages.size();
        ui().file_answers.push_back(at("red.map"));
        command(135);
        QCOMPARE(ui().messages.size(), asked);
        QCOMPARE(w().settings().palette[7], (Rgb{7, 0, 0}));
    }

    void aBadMapFileLeavesThePalette() {
        { std::ofstream(at("bad.map")) << "1 2 3\n\n4 5 6\n"; }
        const Palette before = w().settings().palette;
        for (const char* name : {"bad.map", "missing.map"}) {
            ui().file_answers.push_back(at(name));
            command(135);
            QCOMPARE(last_message().text, std::string("Error opening MAP file"));
            QCOMPARE(last_message().caption, std::string("MAP file error"));
            QVERIFY(last_message().owned);
            QVERIFY(w().settings().palette == before);
        }
    }

    void everyRealFractintMapLoadsWithPreview() {
        const fs::path maps = fs::path(ZOQUEL_TESTDATA_DIR) / "maps";
        if (!fs::is_directory(maps)) QSKIP("no test data folder (set ZOQUEL_TESTDATA_DIR)");
        for (const auto& entry : fs::directory_iterator(maps)) {
            if (entry.path().extension() != ".map") continue;
            Palette expected;
            QCOMPARE(OpenMapFile(entry.path().string(), expected), int(kMapOk));
            ui().file_answers.push_back(entry.path().string());
            ui().answers.push_back(MessageAnswer::yes);
            const std::size_t shown = ui().messages.size();
            command(135);
            QCOMPARE(ui().messages.size(), shown + 1);
            QCOMPARE(ui().messages.back().caption, std::string("Preview"));
            QVERIFY2(w().settings().palette == expected, entry.path().c_str());
        }
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
