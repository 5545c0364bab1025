#include "platform/core/Exception.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/FontFamilies.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/system/SystemColors.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(ColorToRGB, ResolvesSystemColoursThroughTheTableAndKeepsEverythingElse)
{
    const struct {
        TColor color;
        int sysIndex;
    } systemColours[] = {
        {clScrollBar, COLOR_SCROLLBAR}, {clBtnFace, COLOR_BTNFACE}, {clBtnShadow, COLOR_BTNSHADOW},
        {clBtnHighlight, COLOR_BTNHIGHLIGHT}, {cl3DDkShadow, COLOR_3DDKSHADOW}, {cl3DLight, COLOR_3DLIGHT},
        {clWindow, COLOR_WINDOW}, {clWindowText, COLOR_WINDOWTEXT}, {clHighlight, COLOR_HIGHLIGHT},
        {clInfoBk, COLOR_INFOBK}, {clHotLight, COLOR_HOTLIGHT}, {clMenuBar, COLOR_MENUBAR},
    };
    for (const auto& c : systemColours)
        EXPECT_EQ(ColorToRGB(c.color), static_cast<TColor>(GetSysColor(c.sysIndex))) << std::hex << c.color;

    for (TColor plain : {clBlack, clRed, clLime, clWhite, RGB(1, 2, 3), clNone, clDefault})
        EXPECT_EQ(ColorToRGB(plain), plain) << std::hex << plain;
}

TEST(RecordedColor, WritesDrawnValueAndKeepsNonColoursRecognisable)
{
    EXPECT_EQ(RecordedColor(clRed), "$0000FF");
    EXPECT_EQ(RecordedColor(RGB(0x12, 0x34, 0x56)), "$563412");
    EXPECT_EQ(RecordedColor(clNone), "$1FFFFFFF");
    EXPECT_EQ(RecordedColor(clBtnFace), RecordedColor(static_cast<TColor>(GetSysColor(COLOR_BTNFACE))));
}

TEST(FontFamilies, NamedFamiliesMapToInstalledFaces)
{
    const struct {
        const char* family;
        TFontPitch pitch;
        const char* face;
    } cases[] = {
        {"Tahoma", fpDefault, "DejaVu Sans"},
        {"tahoma", fpDefault, "DejaVu Sans"},
        {"Segoe UI", fpDefault, "DejaVu Sans"},
        {"Verdana", fpDefault, "DejaVu Sans"},
        {"MS Sans Serif", fpDefault, "Liberation Sans"},
        {"Arial", fpDefault, "Liberation Sans"},
        {"Small Fonts", fpDefault, "DejaVu Sans Condensed"},
        {"Courier New", fpDefault, "Liberation Mono"},
        {"Times New Roman", fpDefault, "Liberation Serif"},
        {"DejaVu Sans Mono", fpDefault, "DejaVu Sans Mono"},
        {"No Such Face", fpDefault, "DejaVu Sans"},
        {"No Such Face", fpFixed, "Liberation Mono"},
        {"", fpDefault, "DejaVu Sans"},
    };
    for (const auto& c : cases) {
        const std::string face = ResolveFontFamily(c.family, c.pitch);
        EXPECT_EQ(face, c.face) << c.family;
        EXPECT_TRUE(IsFontFamilyInstalled(face)) << face << " is drawn but not installed";
        // Qt must really pick that face, not a look-alike of its own choosing.
        EXPECT_EQ(QFontInfo(QFont(QString::fromStdString(face))).family().toStdString(), face);
    }
}

TEST(FontFamilies, ReportsSubstitutedFamiliesAsMissing)
{
    EXPECT_FALSE(IsFontFamilyInstalled("Tahoma"));
    EXPECT_FALSE(IsFontFamilyInstalled("Small Fonts"));
    EXPECT_FALSE(IsFontFamilyInstalled(""));
    EXPECT_TRUE(IsFontFamilyInstalled("DejaVu Sans"));
    EXPECT_TRUE(IsFontFamilyInstalled("liberation sans"));
}

TEST(FontFamilies, TheProgramMayNameEveryInstalledAndEverySubstitutedFamilyOnce)
{
    const std::vector<std::string> families = AvailableFontFamilies();
    auto has = [&](const std::string& name) { return std::count(families.begin(), families.end(), name); };
    EXPECT_EQ(has("Tahoma"), 1);
    EXPECT_EQ(has("Arial"), 1);
    EXPECT_EQ(has("Segoe UI"), 1);
    EXPECT_EQ(has("DejaVu Sans"), 1);
    EXPECT_EQ(has("Liberation Sans"), 1);
    EXPECT_EQ(has("Wingdings"), 0);
    EXPECT_TRUE(std::is_sorted(families.begin(), families.end(), [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    }));
}

// A one-glyph bitmap face: what a font that does not scale looks like.
QByteArray BitmapFace()
{
    return "STARTFONT 2.1\n"
           "FONT -skelda-SkeldaBitmapProbe-medium-r-normal--8-80-75-75-c-80-iso10646-1\n"
           "SIZE 8 75 75\n"
           "FONTBOUNDINGBOX 8 8 0 0\n"
           "STARTPROPERTIES 3\n"
           "FAMILY_NAME \"SkeldaBitmapProbe\"\n"
           "FONT_ASCENT 8\n"
           "FONT_DESCENT 0\n"
           "ENDPROPERTIES\n"
           "CHARS 1\n"
           "STARTCHAR A\n"
           "ENCODING 65\n"
           "SWIDTH 1000 0\n"
           "DWIDTH 8 0\n"
           "BBX 8 8 0 0\n"
           "BITMAP\nFF\n81\n81\n81\n81\n81\n81\nFF\n"
           "ENDCHAR\n"
           "ENDFONT\n";
}

TEST(FontFamilies, TrueTypeMeansAnOutlineFaceDrawsTheFamily)
{
    for (const char* family : {"Tahoma", "Arial", "Small Fonts", "DejaVu Sans", "No Such Family"})
        EXPECT_TRUE(IsTrueTypeFontFamily(family)) << family;

    const int id = QFontDatabase::addApplicationFontFromData(BitmapFace());
    ASSERT_NE(id, -1) << "the bitmap face could not be loaded";
    EXPECT_TRUE(IsFontFamilyInstalled("SkeldaBitmapProbe"));
    EXPECT_FALSE(IsTrueTypeFontFamily("SkeldaBitmapProbe"));
    QFontDatabase::removeApplicationFont(id);
}

TEST(TFont, SizeAndHeightConvertThroughPixelsPerInch)
{
    const struct {
        int heightPx;
        int pixelsPerInch;
        int sizePt;
    } fromHeight[] = {
        {-11, 96, 8}, {-9, 96, 7}, {-13, 96, 10}, {-16, 96, 12}, {-67, 600, 8}, {13, 96, -10}, {0, 96, 0},
    };
    for (const auto& c : fromHeight) {
        TFont font;
        font.SetPixelsPerInch(c.pixelsPerInch);
        font.SetHeight(c.heightPx);
        EXPECT_EQ(font.GetSize(), c.sizePt) << c.heightPx << " px at " << c.pixelsPerInch;
    }
    const struct {
        int sizePt;
        int pixelsPerInch;
        int heightPx;
    } fromSize[] = {{8, 96, -11}, {7, 96, -9}, {10, 96, -13}, {9, 120, -15}, {8, 600, -67}};
    for (const auto& c : fromSize) {
        TFont font;
        font.SetPixelsPerInch(c.pixelsPerInch);
        font.SetSize(c.sizePt);
        EXPECT_EQ(font.GetHeight(), c.heightPx) << c.sizePt << " pt at " << c.pixelsPerInch;
    }
}

TEST(TFont, AssignKeepsHeightOnTheSameDeviceAndPointSizeAcrossResolutions)
{
    TFont screen;
    screen.SetName("Arial");
    screen.SetHeight(-10);  // 7.5 pt: converting through the size would give -11
    screen.SetStyle({fsBold, fsUnderline});
    screen.SetColor(clRed);
    screen.SetOrientation(900);

    TFont sameDevice;
    sameDevice.Assign(screen);
    EXPECT_EQ(sameDevice.GetHeight(), -10);
    EXPECT_EQ(sameDevice.GetName(), "Arial");
    EXPECT_EQ(sameDevice.GetStyle(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(sameDevice.GetColor(), clRed);
    EXPECT_EQ(sameDevice.GetOrientation(), 900);

    TFont printer;
    printer.SetPixelsPerInch(600);
    printer.Assign(screen);
    EXPECT_EQ(printer.GetSize(), screen.GetSize());
    EXPECT_EQ(printer.GetPixelsPerInch(), 600);
}

TEST(GraphicsObjects, OnChangeFiresOncePerRealChange)
{
    TFont font;
    TPen pen;
    TBrush brush;
    int changes = 0;
    for (TGraphicsObject* object : std::initializer_list<TGraphicsObject*>{&font, &pen, &brush})
        object->OnChange = [&](TObject*) { ++changes; };

    font.SetHeight(-20);
    font.SetHeight(-20);
    font.SetStyle({fsItalic});
    pen.SetColor(clRed);
    pen.SetColor(clRed);
    pen.SetWidth(3);
    brush.SetStyle(bsCross);
    brush.SetStyle(bsCross);
    EXPECT_EQ(changes, 5);

    TFont other;
    font.Assign(other);
    EXPECT_EQ(changes, 6);
}

TEST(TBrush, ColourTurnsAClearBrushSolid)
{
    TBrush brush;
    brush.SetStyle(bsClear);
    brush.SetColor(clWhite);  // the colour it already had
    EXPECT_EQ(brush.GetStyle(), bsSolid);
    brush.SetStyle(bsCross);
    brush.SetColor(clRed);
    EXPECT_EQ(brush.GetStyle(), bsCross);
}

TEST(GraphicsObjects, AssignFromAnotherKindRaisesConvertError)
{
    TPen pen;
    TBrush brush;
    TFont font;
    EXPECT_THROW(pen.Assign(brush), EConvertError);
    EXPECT_THROW(brush.Assign(font), EConvertError);
    EXPECT_THROW(font.Assign(pen), EConvertError);
}

TEST(ToQFont, HeightsMeanCharacterOrCellHeight)
{
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-11);
    QFont q = ToQFont(font);
    EXPECT_EQ(q.pixelSize(), 11);
    EXPECT_EQ(QFontInfo(q).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(q.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);

    for (int cellPx : {12, 20, 33}) {
        font.SetHeight(cellPx);
        EXPECT_NEAR(QFontMetrics(ToQFont(font)).height(), cellPx, 1) << cellPx;
    }

    font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    q = ToQFont(font);
    EXPECT_TRUE(q.bold() && q.italic() && q.underline() && q.strikeOut());
}

}  // namespace
}  // namespace plat
