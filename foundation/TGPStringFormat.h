#pragma once

#include "foundation/TGdiplusBase.h"

#include <cstdint>

namespace skelda::foundation {

// How a string is laid out: alignments, flags (StringFormatFlags...), trimming, hotkey prefix.
class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(int FormatFlags = 0, std::uint16_t Language = 0);
    // A copy of another format; Format may be nil (the flat API then refuses).
    explicit TGPStringFormat(const TGPStringFormat* Format);
    // Adopts a native format with its status.
    TGPStringFormat(GpStringFormat* NativeFormat, Status AStatus);
    ~TGPStringFormat() override;

    Status SetAlignment(StringAlignment Align);
    StringAlignment GetAlignment();
    Status SetLineAlignment(StringAlignment Align);
    StringAlignment GetLineAlignment();
    Status SetFormatFlags(int Flags);
    int GetFormatFlags();
    Status SetTrimming(StringTrimming Trimming);
    StringTrimming GetTrimming();
    Status SetHotkeyPrefix(HotkeyPrefix Prefix);
    HotkeyPrefix GetHotkeyPrefix();
    Status GetLastStatus() { return TakeStatus(lastError); }

    GpStringFormat* Native() const { return nativeFormat; }

private:
    GpStringFormat* nativeFormat = nullptr;
    Status lastError = Ok;
};

}  // namespace skelda::foundation
