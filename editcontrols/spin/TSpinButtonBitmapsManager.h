#pragma once

#include "editcontrols/spin/SpinButtonTypes.h"

#include <memory>
#include <vector>

namespace skelda::editcontrols {

class TSpinButtonBitmaps;

// The registry of the spin buttons' face sets (TSpinButtonBitmaps), one per width, height,
// style and glyph kind, kept sorted by that key (width, height, style, custom glyphs false
// before true) so that WantButtons finds a set by binary search. It lives while spin buttons
// do: BitmapsManager makes it for the first client, and RemoveClient of the last one frees it
// with every set it still holds.
class TSpinButtonBitmapsManager {
public:
    TSpinButtonBitmapsManager();
    ~TSpinButtonBitmapsManager();
    TSpinButtonBitmapsManager(const TSpinButtonBitmapsManager&) = delete;
    TSpinButtonBitmapsManager& operator=(const TSpinButtonBitmapsManager&) = delete;

    void AddClient() { ++FClientCount; }
    // Frees the manager when its last client goes; it must not be used afterwards.
    void RemoveClient();

    // The set of that key, made and put in its place when there is none yet.
    TSpinButtonBitmaps& WantButtons(int WidthPx, int HeightPx, bool CustomGlyphs, TKvSpinButtonStyle Style);
    // Frees a set that lost its last client.
    void Forget(TSpinButtonBitmaps* Set);

    int SetCount() const { return static_cast<int>(FList.size()); }

private:
    int FClientCount = 0;
    std::vector<std::unique_ptr<TSpinButtonBitmaps>> FList;
};

// The process-wide manager, made on first use.
TSpinButtonBitmapsManager& BitmapsManager();
// The manager while one exists, else nullptr (nothing is made).
TSpinButtonBitmapsManager* ExistingBitmapsManager();

}  // namespace skelda::editcontrols
