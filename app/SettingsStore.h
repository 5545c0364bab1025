#pragma once

// The program's settings in the store: the key `Software\Vantel Software\SKELDA` of the current
// user, every value in its subkey "Setup" ("Options" is made too, for the bulletin's server).
// Text, integer and yes/no values are strings through SettingsRegistry; the four coordinates
// are 10-byte extended numbers (app/RegistryExtended.h).
//
// Reading happens once at start-up, as one guarded block: a value of the wrong type stops it
// with "Problem reading the registry", and every setting not read by then keeps its documented
// default (power 100 W, minimum angle 10, "NoCall", ...), never 0, which would put minus infinity
// into every signal level. A damaged settings file reads as missing values, so it gives the
// defaults without a word (the store's rule). The close-time writes are guarded the same way.

#include "platform/system/TRegIniFile.h"

namespace skelda::app {

struct PredictionSettings;

inline constexpr const char* kSetupSection = "Setup";
inline constexpr const char* kOptionsSection = "Options";

class SettingsStore {
public:
    static constexpr const char* kReadProblem = "Problem reading the registry";
    static constexpr const char* kWriteProblem = "Problem writing in the registry";
    static constexpr const char* kProblemTitle = "Warning";
    // The call sign of a station that was never set up.
    static constexpr const char* kNoCall = "NoCall";
    // The threshold frequency when the line is on but no frequency was saved, MHz.
    static constexpr int kStartupSeuilFreqMHz = 10;

    // Opens the program's key (made when missing) for the whole run.
    SettingsStore();

    plat::TRegIniFile& SettingsRegistry() { return FSettingsRegistry; }

    // Makes "Setup" and "Options", then reads the station, the target, the route, the display
    // format, the threshold line and the antenna into settings; the threshold frequency only
    // when the line is on. A failure shows the read problem (error icon) and returns false; the
    // values read before it stay, the others get their defaults. Nothing else of settings changes.
    bool ReadStartupSettings(PredictionSettings& settings);

    // What the user changes outside the setup panel, when the main window closes: the display
    // format, the kind of solar value shown (stored, never read back) and the target. A failure
    // shows the write problem (warning icon) and returns false.
    bool WriteClosingSettings(int Display, int SunSpots, long double DestLat, long double DestLon);

private:
    plat::TRegIniFile FSettingsRegistry;
};

}  // namespace skelda::app
