#pragma once

#include <cstdint>

namespace skelda::grid {

enum TCellGradientDirection : std::uint8_t { GradientVertical, GradientHorizontal };

enum TVAlignment : std::uint8_t { vtaTop, vtaCenter, vtaBottom };

// The calculation a footer or group cell carries.
enum TColumnCalcType : std::uint8_t {
    acNONE,
    acSUM,
    acAVG,
    acCOUNT,
    acMIN,
    acMAX,
    acSPREAD,
    acCUSTOM,
    acDISTINCT,
    acSTDDEV,
};

// The look of selected cells.
enum TGridSelectionStyle : std::uint8_t { ssDefault, ssVista, ssWin7, ssOffice2007 };

}  // namespace skelda::grid
