// Grid locators as a user types them: validation and conversion agree, and a valid locator gives
// coordinates inside the world.

#include "FuzzSupport.h"

#include "engine/Locator.h"

#include <stdexcept>

using namespace skelda::engine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view text = skelda::fuzz::AsText(Data, Size);
    const int wrong = FirstWrongLocatorCharacter(text);
    skelda::fuzz::Check(wrong >= 0 && wrong <= 7, "wrong character number out of range", std::to_string(wrong));
    for (const LocatorAxis axis : {LocatorAxis::Latitude, LocatorAxis::Longitude}) {
        try {
            const TLoc loc = LocatorToCoord(text, axis);
            skelda::fuzz::Check(wrong == 0, "an invalid locator converted");
            const long double limit = axis == LocatorAxis::Latitude ? 90 : 180;
            skelda::fuzz::Check(loc.Coord >= -limit && loc.Coord <= limit, "coordinate outside the world");
        } catch (const std::invalid_argument& e) {
            skelda::fuzz::Check(wrong != 0, "a valid locator refused", e.what());
            skelda::fuzz::Check(e.what() == LocatorWarningText(wrong), "refused with another text", e.what());
        }
    }
    return 0;
}
