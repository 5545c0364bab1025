#pragma once

// The coordinates of the settings are 80-bit extended numbers, kept in the store in their 10-byte
// form (platform/system/Extended80.h) as binary values of the program's key.

#include <string>

namespace skelda::app {

// The program's key below the current user's root.
inline constexpr const char* kSettingsKey = "Software\\Vantel Software\\SKELDA";

// The largest magnitudes a stored coordinate can have, in degrees.
inline constexpr long double kMaxLatitudeDeg = 90;
inline constexpr long double kMaxLongitudeDeg = 180;

// The coordinate Name of the program's subkey SubKey (made when missing), in degrees. A missing
// value, or a missing key that cannot be made, reads as 0; a value shorter than 10 bytes is read
// as its first bytes with zeros after them. A value that is not binary data, or longer than 10
// bytes, is no extended number, and one that is not finite or lies beyond +-LimitDeg is no
// position: both raise plat::ERegistryException "Invalid data type for '<Name>'", so that a
// damaged setting is reported and not predicted from.
long double ReadRegExtended(const std::string& SubKey, const std::string& Name, long double LimitDeg);
// Writes the 10 bytes of Value as binary data. A value that cannot be saved raises
// plat::ERegistryException "Failed to set data for '<Name>'": a lost position is reported.
void WriteRegExtended(const std::string& SubKey, const std::string& Name, long double Value);

}  // namespace skelda::app
