#pragma once

namespace skelda::worldmap {

// Texts the map shows or hands to the window.
inline constexpr const char* ImagesNotFoundText = "Images introuvables !";
inline constexpr const char* MapNotLoadedCaption = "Worldmap not loaded...";
inline constexpr const char* LocationOnMapText = "Location on map";
inline constexpr const char* TargetMarkerHint = "Target location";

}  // namespace skelda::worldmap
