#include "foundation/TGPStringFormat.h"

#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

TGPStringFormat::TGPStringFormat(int FormatFlags, std::uint16_t Language)
{
    lastError = GdipCreateStringFormat(FormatFlags, Language, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(const TGPStringFormat* Format)
{
    lastError = GdipCloneStringFormat(Format ? Format->nativeFormat : nullptr, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(GpStringFormat* NativeFormat, Status AStatus)
    : nativeFormat(NativeFormat), lastError(AStatus)
{
}

TGPStringFormat::~TGPStringFormat()
{
    GdipDeleteStringFormat(nativeFormat);
}

Status TGPStringFormat::SetAlignment(StringAlignment Align)
{
    return Recorded(lastError, GdipSetStringFormatAlign(nativeFormat, Align));
}

StringAlignment TGPStringFormat::GetAlignment()
{
    StringAlignment align = StringAlignmentNear;
    Recorded(lastError, GdipGetStringFormatAlign(nativeFormat, &align));
    return align;
}

Status TGPStringFormat::SetLineAlignment(StringAlignment Align)
{
    return Recorded(lastError, GdipSetStringFormatLineAlign(nativeFormat, Align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    StringAlignment align = StringAlignmentNear;
    Recorded(lastError, GdipGetStringFormatLineAlign(nativeFormat, &align));
    return align;
}

Status TGPStringFormat::SetFormatFlags(int Flags)
{
    return Recorded(lastError, GdipSetStringFormatFlags(nativeFormat, Flags));
}

int TGPStringFormat::GetFormatFlags()
{
    std::int32_t flags = 0;
    Recorded(lastError, GdipGetStringFormatFlags(nativeFormat, &flags));
    return flags;
}

Status TGPStringFormat::SetTrimming(StringTrimming Trimming)
{
    return Recorded(lastError, GdipSetStringFormatTrimming(nativeFormat, Trimming));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    StringTrimming trimming = StringTrimmingNone;
    Recorded(lastError, GdipGetStringFormatTrimming(nativeFormat, &trimming));
    return trimming;
}

Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix Prefix)
{
    return Recorded(lastError, GdipSetStringFormatHotkeyPrefix(nativeFormat, Prefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    std::int32_t prefix = HotkeyPrefixNone;
    Recorded(lastError, GdipGetStringFormatHotkeyPrefix(nativeFormat, &prefix));
    return static_cast<HotkeyPrefix>(prefix);
}

}  // namespace skelda::foundation
