#include "platform/graphics/SystemFonts.h"

#include "platform/graphics/TFont.h"

namespace plat {

namespace {

constexpr const char* kMessageFontName = "Segoe UI";
constexpr int kMessageFontSizePt = 9;

}  // namespace

bool GetMessageFont(TFont& Font)
{
    Font.SetName(kMessageFontName);
    Font.SetSize(kMessageFontSizePt);
    Font.SetStyle({});
    Font.SetCharset(DEFAULT_CHARSET);
    return true;
}

}  // namespace plat
