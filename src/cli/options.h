#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zoquel::cli {

// What the command line asked for, before anything is applied.
struct Options {
    std::string parameter_file;
    std::optional<int> type, method, maxiter, outside, inside, threads;
    std::optional<unsigned> seed;  // for the random numbers the whole-image types draw
    int batches = 1;               // plot commands in a row
    long steps = 3000;             // steps of an animation before it stops as if paused
    std::optional<long> particles;  // particles of an aggregation before it stops as if paused
    std::optional<std::pair<int, int>> orbit;  // the pixel whose orbit is traced into the image
    std::optional<std::pair<double, double>> thumbnail;  // the constant of a Julia thumbnail
    std::optional<std::pair<int, int>> cardioid;          // n, d: the constant at that angle
    std::optional<int> sample;                            // a Julia sample, 1..18
    std::optional<std::pair<int, int>> size;
    std::optional<std::vector<double>> view;          // xmin, xmax, ymin, ymax
    std::optional<std::pair<std::string, std::string>> center;  // decimal texts of any length
    std::string width;                                           // with the centre: a deep view
    std::vector<std::pair<int, double>> params;       // column, value
    std::vector<std::pair<std::string, std::string>> sets;  // name, value
    std::string palette;
    std::string save_zq;
    std::string save_params;  // the text parameter file
    std::vector<std::string> outputs;  // the same image in each file, by its extension
    bool intro = false;  // the introduction's final picture instead of a fractal
    bool help = false;
    bool version = false;
    bool list_types = false;
};

// More row threads than this help nobody and may exhaust the system's.
constexpr int kMaxThreads = 1024;

// Parses argv; on error returns nothing and sets `error` to a one-line message.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace zoquel::cli
