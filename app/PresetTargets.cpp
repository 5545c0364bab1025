#include "app/PresetTargets.h"

#include "app/PredictionSettings.h"
#include "platform/controls/standard/TListBox.h"
#include "platform/controls/standard/TShape.h"
#include "platform/core/TStrings.h"

#include <cmath>
#include <utility>

namespace skelda::app {

const std::array<PresetTarget, kPresetTargetCount> PresetTargets = {{
    {"United States west coast (San Francisco)", 37, 121},
    {"United States east coast (Washington, D.C.)", 38, 75},
    {"South America (Asuncion, Paraguay)", -25.3L, 58},
    {"South America west coast (Lima, Peru)", -12, 77},
    {"Hawaii (Honolulu)", 22, 158},
    {"Japan (Tokyo)", 36, -140},
    {"Australia (Melbourne)", -38, -145},
    {"New-Zealand (Wellington)", -40, -174},
    {"South Asia (Bangkok, Thailand)", 14, -102},
    {"Central Asia (New Delhi, India)", 28, -77},
    {"Western Europe (London, England)", 51.5L, -0.1L},
    {"Eastern Europe (Kiev, Ukraine)", 50.5L, -31},
    {"Russia (Moscow)", 56, -38},
    {"North Africa (Cairo, Egypt)", 30, -32},
    {"North Africa (Algiers, Algeria)", 36, -3},
    {"West Africa (Dakar, Senegal)", 21, 18},
    {"South West Africa (Liberia)", 8, -10},
    {"East Africa (Nairobi, Kenya)", -2, -37},
    {"South Africa (Lusaka, Zambia)", -15, -28},
    {"South Africa (Capetown)", -36, -21},
}};

plat::TPoint TargetMarkerTopLeft(long double DestLat, long double DestLon)
{
    // nearbyint rounds halves to even under the default rounding mode.
    const long double left = std::nearbyint((180 - DestLon) * 256 / 180) - 4;
    const long double top = std::nearbyint((90 - DestLat) * 128 / 90) - 4;
    return {static_cast<int>(left), static_cast<int>(top)};
}

TargetList::TargetList(plat::TListBox& DestBox, plat::TShape& CC, PredictionSettings& settings,
                       std::function<void()> Compute)
    : DestBox_(DestBox), CC_(CC), settings_(settings), compute_(std::move(Compute))
{
    plat::TStrings& items = DestBox_.Items();
    items.Clear();
    for (const PresetTarget& target : PresetTargets)
        items.Add(target.ItemText);
    DestBox_.SetHint("Capital cities and countries list");
}

void TargetList::DestBoxClick(plat::TObject*)
{
    const int index = DestBox_.GetItemIndex();
    if (index < 0 || index >= kPresetTargetCount)
        return;
    const PresetTarget& target = PresetTargets[static_cast<std::size_t>(index)];
    settings_.DestLat = target.DestLat;
    settings_.DestLon = target.DestLon;
    settings_.TargetName = DestBox_.Items().GetStrings(index);
    const plat::TPoint topLeft = TargetMarkerTopLeft(settings_.DestLat, settings_.DestLon);
    CC_.SetBounds(topLeft.X, topLeft.Y, CC_.GetWidth(), CC_.GetHeight());
    compute_();
}

}  // namespace skelda::app
