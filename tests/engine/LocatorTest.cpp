#include "engine/Locator.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace skelda::engine {
namespace {

TEST(LocatorTest, ConvertsToTheSouthWestCornerOfTheSubSquare)
{
    struct Case {
        const char* locator;
        double latDeg;
        const char* latWord;
        double lonDeg;  // east positive
        const char* lonWord;
    };
    const Case cases[] = {
        {"JN18DU", 48 + 50.0 / 60, "North", 2.25, "East"},
        {"jn18du", 48 + 50.0 / 60, "North", 2.25, "East"},
        {"AA00AA", -90, "South", -180, "West"},
        {"RR99XX", 89 + 57.5 / 60, "North", 179 + 55.0 / 60, "East"},
        {"JJ00AA", 0, "North", 0, "East"},
        // Sub-square letters from M on carry a whole degree of longitude.
        {"JN18MA", 48, "North", 3, "East"},
        // The word follows the whole degrees: just south-west of 0/0 the corner reads South/West.
        {"II99XX", -1 + 57.5 / 60, "South", -1 + 55.0 / 60, "West"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locator);
        EXPECT_EQ(FirstWrongLocatorCharacter(c.locator), 0);
        const TLoc lat = LocatorToCoord(c.locator, LocatorAxis::Latitude);
        const TLoc lon = LocatorToCoord(c.locator, LocatorAxis::Longitude);
        EXPECT_NEAR(static_cast<double>(lat.Coord), c.latDeg, 1e-12);
        EXPECT_EQ(lat.Cardinal, c.latWord);
        EXPECT_NEAR(static_cast<double>(lon.Coord), c.lonDeg, 1e-12);
        EXPECT_EQ(lon.Cardinal, c.lonWord);
    }
}

TEST(LocatorTest, NamesTheFirstWrongCharacter)
{
    struct Case {
        const char* text;
        int wrong;
    };
    const Case cases[] = {
        {"SN18DU", 1},
        {"JS18DU", 2},
        {"JNA8DU", 3},
        {"JN1ADU", 4},
        {"JN18YU", 5},
        {"JN18DY", 6},
        {"JN 8DU", 3},
        // The first of several wrong ones.
        {"JS1ADU", 2},
        // A letter outside ASCII takes two bytes but counts as one character.
        {"J\u00C918DU", 2},
        {"JN18\u00C9U", 5},
        // A stray byte of a broken character is wrong where it stands, not skipped: skipping it
        // let "AA00A?A" pass as six characters and convert its stray byte.
        {"AA00A\xB2" "A", 6},
        {"\x80JN18DU", 1},
        // Missing or extra characters.
        {"", 1},
        {"JN18D", 6},
        {"JN18DUX", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FirstWrongLocatorCharacter(c.text), c.wrong);
        try {
            LocatorToCoord(c.text, LocatorAxis::Longitude);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(e.what(), LocatorWarningText(c.wrong));
        }
    }
    EXPECT_EQ(LocatorWarningText(2),
              "The character #2 is not correct !\r\nThe QTH Locator format is RR99XX max");
}

}  // namespace
}  // namespace skelda::engine
