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

#include "platform/graphics/StandardIcons.h"
#include "platform/graphics/SystemFonts.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TIcon.h"
#include "platform/system/ClipboardText.h"

#include <QImage>

namespace plat {
namespace {

TEST(StandardIcons, EachStockNumberGivesAnIconOfTheSizeAskedFor)
{
    for (int id : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK, IDI_WINLOGO})
        for (int size : {16, 32}) {
            TIcon icon;
            ASSERT_TRUE(LoadStandardIcon(id, size, icon)) << id;
            EXPECT_EQ(icon.GetWidth(), size);
            EXPECT_EQ(icon.GetHeight(), size);
            // A drawn icon, not a blank square: some pixel is not fully transparent.
            bool drawn = false;
            for (int y = 0; y < size && !drawn; ++y)
                for (int x = 0; x < size && !drawn; ++x)
                    drawn = qAlpha(icon.Image().pixel(x, y)) != 0;
            EXPECT_TRUE(drawn) << id << " " << size;
        }
    // Different numbers draw different pictures.
    TIcon hand, question;
    LoadStandardIcon(IDI_HAND, 32, hand);
    LoadStandardIcon(IDI_QUESTION, 32, question);
    EXPECT_NE(hand.Image(), question.Image());

    TIcon untouched;
    EXPECT_FALSE(LoadStandardIcon(32512, 32, untouched));
    EXPECT_FALSE(LoadStandardIcon(IDI_HAND, 0, untouched));
    EXPECT_TRUE(untouched.GetEmpty());
}

TEST(SystemFonts, TheMessageFontIsPinnedAndKeepsTheColour)
{
    TFont font;
    font.SetName("Courier New");
    font.SetStyle({fsBold});
    font.SetSize(14);
    font.SetColor(clRed);
    ASSERT_TRUE(GetMessageFont(font));
    EXPECT_EQ(font.GetName(), "Segoe UI");
    EXPECT_EQ(font.GetSize(), 9);
    EXPECT_TRUE(font.GetStyle().Empty());
    EXPECT_EQ(font.GetColor(), clRed);
}

TEST(ClipboardText, TextGoesOnTheClipboardAndComesBackWhole)
{
    const std::string text = "Line one\r\nZ\xC3\xBCrich \xE2\x80\x94 done";
    SetClipboardText(text);
    EXPECT_EQ(GetClipboardText(), text);
    SetClipboardText("");
    EXPECT_EQ(GetClipboardText(), "");
}

}  // namespace
}  // namespace plat
