#pragma once

namespace plat {

class TIcon;

// The system's stock icons, by the numbers LoadIcon took with no module.
enum : int {
    IDI_HAND = 32513,
    IDI_QUESTION = 32514,
    IDI_EXCLAMATION = 32515,
    IDI_ASTERISK = 32516,
    IDI_WINLOGO = 32517,
};

// Fills Icon with stock icon Id at SizePx x SizePx (32 the large, 16 the small size), drawn from
// one pinned widget style so that dialogs look alike whatever the desktop's theme. An unknown
// number, or a size below 1, leaves Icon as it was and answers false, as LoadIcon gave no icon.
// User-interface thread only.
bool LoadStandardIcon(int Id, int SizePx, TIcon& Icon);

}  // namespace plat
