// The font and string-format functions of the flat API.

#include "platform/gdiplus/ApiSupport.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/graphics/FontFamilies.h"

#include <cmath>

namespace plat::gdiplus {

namespace {

Status NewFamily(const std::string& name, GpFontFamily** fontFamily)
{
    if (!fontFamily)
        return InvalidParameter;
    if (!IsFontFamilyAvailable(name))
        return FontFamilyNotFound;
    auto family = std::make_unique<GpFontFamily>();
    family->Name = name;
    family->Face = ResolveFontFamily(name);
    return HandOut(fontFamily, std::move(family));
}

bool IsAlignment(StringAlignment align) { return align >= StringAlignmentNear && align <= StringAlignmentFar; }

}  // namespace

Status GdipCreateFontFamilyFromName(const char* name, GpFontCollection*, GpFontFamily** fontFamily)
{
    if (!name)
        return InvalidParameter;
    return NewFamily(name, fontFamily);
}

Status GdipDeleteFontFamily(GpFontFamily* fontFamily)
{
    if (!fontFamily)
        return InvalidParameter;
    delete fontFamily;
    return Ok;
}

Status GdipGetGenericFontFamilySansSerif(GpFontFamily** nativeFamily)
{
    return NewFamily("Microsoft Sans Serif", nativeFamily);
}

Status GdipGetGenericFontFamilySerif(GpFontFamily** nativeFamily)
{
    return NewFamily("Times New Roman", nativeFamily);
}

Status GdipGetGenericFontFamilyMonospace(GpFontFamily** nativeFamily)
{
    return NewFamily("Courier New", nativeFamily);
}

Status GdipCreateFont(const GpFontFamily* fontFamily, REAL emSize, std::int32_t style, Unit unit, GpFont** font)
{
    if (!fontFamily || !font || !std::isfinite(emSize) || emSize <= 0 || unit == UnitDisplay || unit < UnitWorld ||
        unit > UnitMillimeter)
        return InvalidParameter;
    auto made = std::make_unique<GpFont>();
    made->Face = fontFamily->Face;
    made->EmSize = emSize;
    made->Style = style & (FontStyleBold | FontStyleItalic | FontStyleUnderline | FontStyleStrikeout);
    made->SizeUnit = unit;
    return HandOut(font, std::move(made));
}

Status GdipDeleteFont(GpFont* font)
{
    if (!font)
        return InvalidParameter;
    delete font;
    return Ok;
}

Status GdipCreateStringFormat(std::int32_t formatAttributes, std::uint16_t language, GpStringFormat** format)
{
    if (!format)
        return InvalidParameter;
    auto made = std::make_unique<GpStringFormat>();
    made->Flags = formatAttributes;
    made->Language = language;
    return HandOut(format, std::move(made));
}

Status GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** newFormat)
{
    if (!format || !newFormat)
        return InvalidParameter;
    return HandOut(newFormat, std::make_unique<GpStringFormat>(*format));
}

Status GdipDeleteStringFormat(GpStringFormat* format)
{
    if (!format)
        return InvalidParameter;
    delete format;
    return Ok;
}

Status GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align)
{
    if (!format || !IsAlignment(align))
        return InvalidParameter;
    format->Align = align;
    return Ok;
}

Status GdipGetStringFormatAlign(GpStringFormat* format, StringAlignment* align)
{
    if (!format || !align)
        return InvalidParameter;
    *align = format->Align;
    return Ok;
}

Status GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align)
{
    if (!format || !IsAlignment(align))
        return InvalidParameter;
    format->LineAlign = align;
    return Ok;
}

Status GdipGetStringFormatLineAlign(GpStringFormat* format, StringAlignment* align)
{
    if (!format || !align)
        return InvalidParameter;
    *align = format->LineAlign;
    return Ok;
}

Status GdipSetStringFormatFlags(GpStringFormat* format, std::int32_t flags)
{
    if (!format)
        return InvalidParameter;
    format->Flags = flags;
    return Ok;
}

Status GdipGetStringFormatFlags(GpStringFormat* format, std::int32_t* flags)
{
    if (!format || !flags)
        return InvalidParameter;
    *flags = format->Flags;
    return Ok;
}

Status GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming)
{
    if (!format || trimming < StringTrimmingNone || trimming > StringTrimmingEllipsisPath)
        return InvalidParameter;
    format->Trimming = trimming;
    return Ok;
}

Status GdipGetStringFormatTrimming(GpStringFormat* format, StringTrimming* trimming)
{
    if (!format || !trimming)
        return InvalidParameter;
    *trimming = format->Trimming;
    return Ok;
}

Status GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, std::int32_t hotkeyPrefix)
{
    if (!format || hotkeyPrefix < HotkeyPrefixNone || hotkeyPrefix > HotkeyPrefixHide)
        return InvalidParameter;
    format->HotkeyPrefix = hotkeyPrefix;
    return Ok;
}

Status GdipGetStringFormatHotkeyPrefix(GpStringFormat* format, std::int32_t* hotkeyPrefix)
{
    if (!format || !hotkeyPrefix)
        return InvalidParameter;
    *hotkeyPrefix = format->HotkeyPrefix;
    return Ok;
}

}  // namespace plat::gdiplus
