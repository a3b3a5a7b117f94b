#pragma once

// The program's pictures, built in from resources/ (scripts/make_pictures.sh makes them).
namespace zoquel::pictures {

inline constexpr const char* kSplash = ":/pictures/splash.png";          // 360 x 360, at start-up
inline constexpr const char* kClosingSplash = ":/pictures/closing.png";  // 480 x 360, after Exit
inline constexpr const char* kAbout = ":/pictures/about.png";            // 470 x 240
inline constexpr const char* kHelp = ":/pictures/help.png";              // 450 x 150, the help banner
inline constexpr const char* kCardioid = ":/pictures/cardioid.png";      // 180 x 150

// The application icon, ":/icons/hicolor/NxN/apps/zoquel.png" for each of these sizes.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace zoquel::pictures
