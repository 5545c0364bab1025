#include "platform/controls/standard/BitBtnGlyphs.h"

#include "platform/graphics/TBitmap.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace plat {

namespace {

constexpr int Size = BitBtnKindGlyphSize;
using TGlyphArt = std::array<std::string_view, Size>;

// The pictures, one character a pixel; '.' is transparent. Colours by character:
TColor ArtColor(char C)
{
    switch (C) {
    case 'K': return clBlack;
    case 'g': return clGreen;
    case 'G': return RGB(0, 192, 0);
    case 'L': return RGB(128, 255, 128);
    case 'r': return clMaroon;
    case 'R': return clRed;
    case 'P': return RGB(255, 128, 128);
    case 'b': return clNavy;
    case 'B': return clBlue;
    case 'C': return RGB(128, 192, 255);
    case 'y': return clYellow;
    case 'o': return RGB(128, 64, 0);
    case 'O': return RGB(192, 128, 64);
    case 'w': return clWhite;
    case 's': return clSilver;
    case 'd': return clGray;
    default: return clOlive;
    }
}

// OK
constexpr TGlyphArt OkArt{{
    "..................",
    "..................",
    "..............gg..",
    ".............gGGg.",
    "............gGGLg.",
    "...........gGGLg..",
    "..........gGGLg...",
    "..gg.....gGGLg....",
    ".gGGg...gGGLg.....",
    ".gGLGg.gGGLg......",
    "..gGLGgGGLg.......",
    "...gGLGGLg........",
    "....gGLLg.........",
    ".....gGg..........",
    "......g...........",
    "..................",
    "..................",
    "..................",
}};

// CANCEL
constexpr TGlyphArt CancelArt{{
    "..................",
    "..................",
    "...rr........rr...",
    "..rRRr......rRRr..",
    "..rRPRr....rRPRr..",
    "...rRPRr..rRPRr...",
    "....rRPRrrRPRr....",
    ".....rRPRRPRr.....",
    "......rRPPRr......",
    "......rRPPRr......",
    ".....rRPRRPRr.....",
    "....rRPRrrRPRr....",
    "...rRPRr..rRPRr...",
    "..rRPRr....rRPRr..",
    "..rRRr......rRRr..",
    "...rr........rr...",
    "..................",
    "..................",
}};

// HELP
constexpr TGlyphArt HelpArt{{
    "..................",
    "......bbbbbb......",
    ".....bBBBBBBb.....",
    "....bBCCbbBBBb....",
    "....bBCb..bBBb....",
    ".....bb...bBBb....",
    "..........bBBb....",
    ".........bBBb.....",
    "........bBBb......",
    ".......bBBb.......",
    ".......bBBb.......",
    "........bb........",
    "..................",
    "........bb........",
    ".......bBBb.......",
    ".......bBBb.......",
    "........bb........",
    "..................",
}};

// NO
constexpr TGlyphArt NoArt{{
    "..................",
    "......rrrrrr......",
    "....rrRRRRRRrr....",
    "...rRRrrrrrrRRr...",
    "..rRRr......rRRr..",
    "..rRRRr......rRr..",
    ".rRrRRRr......rRr.",
    ".rRr.rRRr.....rRr.",
    ".rRr..rRRr....rRr.",
    ".rRr...rRRr...rRr.",
    ".rRr....rRRr..rRr.",
    ".rRr.....rRRr.rRr.",
    "..rRr.....rRRRRr..",
    "..rRRr.....rRRRr..",
    "...rRRrrrrrrRRr...",
    "....rrRRRRRRrr....",
    "......rrrrrr......",
    "..................",
}};

// CLOSE
constexpr TGlyphArt CloseArt{{
    "..................",
    "...KKKKKKKKKKK....",
    "...KssssssssdK....",
    "...KsKKKKKKKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOyyKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOOOKdK....",
    "...KsKoOOOOKdK....",
    "...KsKKKKKKKdK....",
    "..KKKKKKKKKKKKK...",
    "..................",
}};

// ABORT
constexpr TGlyphArt AbortArt{{
    "..................",
    ".......rrrr.......",
    ".....rrRRRRrr.....",
    "....rRRRRRRRRr....",
    "...rRRRRRRRRRRr...",
    "..rRRwwRRRRwwRRr..",
    "..rRRwwwRRwwwRRr..",
    ".rRRRRwwwwwwRRRRr.",
    ".rRRRRRwwwwRRRRRr.",
    ".rRRRRRwwwwRRRRRr.",
    ".rRRRRwwwwwwRRRRr.",
    "..rRRwwwRRwwwRRr..",
    "..rRRwwRRRRwwRRr..",
    "...rRRRRRRRRRRr...",
    "....rRRRRRRRRr....",
    ".....rrRRRRrr.....",
    ".......rrrr.......",
    "..................",
}};

// RETRY
constexpr TGlyphArt RetryArt{{
    "..................",
    "..................",
    "......ggggg....g..",
    "....ggGGGGGgg.gg..",
    "...gGGLLLLGGGgGg..",
    "..gGLgg...ggGGGg..",
    "..gGg.......gGGg..",
    ".gGLg.....gGGGGg..",
    ".gGLg.....gggggg..",
    ".gGLg.............",
    ".gGLg.............",
    "..gGg.......gg....",
    "..gGLgg...ggGg....",
    "...gGGLLLLGGg.....",
    "....ggGGGGGgg.....",
    "......ggggg.......",
    "..................",
    "..................",
}};

// IGNORE
constexpr TGlyphArt IgnoreArt{{
    "..................",
    "..................",
    "..................",
    "......bbbbb.......",
    "....bbBBBBBbb.....",
    "...bBBCCCCCBBb....",
    "..bBCbb...bbBBb...",
    "..bBb.......bBb...",
    ".bBCb.....bbbBBbbb",
    ".bBb......bBBBBBb.",
    ".bBb.......bBBBb..",
    ".bBb........bBb...",
    ".bbb.........b....",
    "..................",
    "dddddddddddddddddd",
    "dssssssssssssssssd",
    "dddddddddddddddddd",
    "..................",
}};

// ALL
constexpr TGlyphArt AllArt{{
    "..................",
    "..................",
    "..................",
    "...........gg...gg",
    "..........gGLg.gGg",
    ".........gGLg.gGLg",
    "........gGLg.gGLg.",
    ".gg....gGLg.gGLg..",
    "gGGg..gGLg.gGLg...",
    "gGLGggGLg.gGLg....",
    ".gGLGGLg.gGLg.....",
    "..gGLLg.gGLg......",
    "...gGg..gLg.......",
    "....g....g........",
    "..................",
    "..................",
    "..................",
    "..................",
}};
const TGlyphArt* ArtOf(TBitBtnKind Kind)
{
    switch (Kind) {
    case bkOK:
    case bkYes:
        return &OkArt;
    case bkCancel:
        return &CancelArt;
    case bkHelp:
        return &HelpArt;
    case bkNo:
        return &NoArt;
    case bkClose:
        return &CloseArt;
    case bkAbort:
        return &AbortArt;
    case bkRetry:
        return &RetryArt;
    case bkIgnore:
        return &IgnoreArt;
    case bkAll:
        return &AllArt;
    default:
        return nullptr;
    }
}

void SetPixel(TBitmap& Bitmap, int X, int Y, TColor Color)
{
    std::uint8_t* pixel = Bitmap.ScanLine(Y) + 3 * X;
    pixel[0] = static_cast<std::uint8_t>((Color >> 16) & 0xFF);
    pixel[1] = static_cast<std::uint8_t>((Color >> 8) & 0xFF);
    pixel[2] = static_cast<std::uint8_t>(Color & 0xFF);
}

}  // namespace

void LoadBitBtnKindGlyph(TBitBtnKind Kind, TBitmap& Glyph)
{
    const TGlyphArt* art = ArtOf(Kind);
    if (!art) {
        Glyph.Assign(TBitmap());
        return;
    }
    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(2 * Size, Size);
    auto inShape = [art](int X, int Y) {
        return X >= 0 && Y >= 0 && X < Size && Y < Size && (*art)[static_cast<std::size_t>(Y)][static_cast<std::size_t>(X)] != '.';
    };
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < 2 * Size; ++x)
            SetPixel(strip, x, y, clOlive);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            if (!inShape(x, y))
                continue;
            SetPixel(strip, x, y, ArtColor((*art)[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
            // The disabled picture: the shape in grey, with a white edge where it ends below
            // and to the right.
            if (x + 1 < Size && y + 1 < Size && !inShape(x + 1, y + 1))
                SetPixel(strip, Size + x + 1, y + 1, clWhite);
        }
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            if (inShape(x, y))
                SetPixel(strip, Size + x, y, clGray);
    strip.SetTransparentColor(clOlive);
    Glyph.Assign(strip);
}

}  // namespace plat
