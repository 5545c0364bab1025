#pragma once

// The window shown while the program starts: a picture with the program's name, the build read
// from the program file, the version line and a notice. Its timer switches itself off after two
// seconds, which ends the start-up wait (app/ProgramStartup.h).

#include "platform/controls/forms/TForm.h"

namespace plat {
class TImage;
class TLabel;
class TTimer;
}  // namespace plat

namespace skelda::app {

class TSplashForm : public plat::TForm {
public:
    static constexpr int kWidthPx = 520;
    static constexpr int kHeightPx = 340;
    static constexpr unsigned kWaitMs = 2000;
    static constexpr const char* kVersionLine = "Version 1.7a (May 2013)  ";

    explicit TSplashForm(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TSplashForm"; }

    // Puts the build text into BuildLabel.
    void FormCreate(plat::TObject* Sender);
    // Switches the timer off.
    void SplashTimerTimer(plat::TObject* Sender);

    plat::TImage* ImgSplash;
    plat::TLabel* InfoLabel;
    plat::TLabel* BuildLabel;
    plat::TLabel* DateLabel;
    plat::TTimer* SplashTimer;
};

}  // namespace skelda::app
