#include "platform/graphics/SystemIcons.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(SystemIcons, PathsKeepTheirIndexAndNumbersNameTheFixedIcons)
{
    EXPECT_EQ(SystemIcons::IconSize(false), (TSize{16, 16}));
    EXPECT_EQ(SystemIcons::IconSize(true), (TSize{32, 32}));
    for (int i = 0; i < SystemIcons::FixedCount; ++i)
        EXPECT_TRUE(SystemIcons::Valid(i)) << i;
    EXPECT_FALSE(SystemIcons::Valid(-1));

    // A document that does not exist is known by its extension; the same type, the same icon.
    const int text = SystemIcons::IndexOfPath("/no/such/folder/notes.txt");
    EXPECT_TRUE(SystemIcons::Valid(text));
    EXPECT_EQ(SystemIcons::IndexOfPath("/elsewhere/other.TXT"), text);
    EXPECT_TRUE(SystemIcons::Valid(SystemIcons::IndexOfPath("")));

    QTemporaryDir dir;
    const std::string folder = QDir(dir.path()).absolutePath().toStdString();
    const int index = SystemIcons::IndexOfPath(folder);
    EXPECT_TRUE(SystemIcons::Valid(index));
    EXPECT_EQ(SystemIcons::IndexOfPath(folder), index);
}

}  // namespace
}  // namespace plat
