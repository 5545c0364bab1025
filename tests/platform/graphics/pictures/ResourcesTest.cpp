#include "platform/graphics/Resources.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

// TEST_PATTERN is a 4 x 4 24-bit bitmap file of 102 bytes.
TEST(Resources, FoundByNameInAnyCase)
{
    for (const char* name : {"TEST_PATTERN", "test_pattern", "Test_Pattern"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(ResourceExists(name));
        const auto data = FindResource(name);
        ASSERT_TRUE(data.has_value());
        ASSERT_EQ(data->size(), 102u);
        EXPECT_EQ((*data)[0], 'B');
        EXPECT_EQ((*data)[1], 'M');
    }
}

TEST(Resources, UnknownNamesGiveNothing)
{
    for (const char* name : {"", "NO_SUCH_PICTURE", "TEST_PATTERN.bmp", "../resources/TEST_PATTERN", ".", "/"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(ResourceExists(name));
        EXPECT_FALSE(FindResource(name).has_value());
        EXPECT_THROW(LoadResource(name), EResNotFound);
    }
}

}  // namespace
}  // namespace plat
