#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/ThemeServices.h"
#include "platform/system/HResult.h"
#include "platform/system/LibraryLoader.h"

#include <array>
#include <cstdint>
#include <string_view>

// The visual-styles library "UXTHEME.DLL" as the stand-in serves it: its 45 entry points by
// name, with the signatures this platform gives them (text UTF-8 with sizes in bytes, a device
// context a canvas's handle, rectangles TRect, colours TColor, Booleans 32-bit). The entries the
// system's callers use work through the theme service (ThemeServices.h): opening and closing
// theme data, drawing backgrounds, part colours, whether themes are on and the current theme's
// name, which has no colour scheme name. The others answer "not supported": E_NOTIMPL, FALSE
// or 0.
namespace plat::uxtheme {

using BOOL = std::int32_t;
using DWORD = std::uint32_t;
// Structures of the platform that the stand-in never fills.
using PlatformStructure = void;

using OpenThemeDataProc = HTHEME (*)(HWND Window, const char* ClassList);
using CloseThemeDataProc = HRESULT (*)(HTHEME Theme);
using DrawThemeBackgroundProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                                            const TRect* ClipRect);
using DrawThemeTextProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const char* Text, int CharCount,
                                      DWORD TextFlags, DWORD TextFlags2, const TRect* Rect);
using GetThemeBackgroundContentRectProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId,
                                                      const TRect* Bounding, TRect* Content);
using GetThemeBackgroundExtentProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Content,
                                                 TRect* Extent);
using GetThemeTextExtentProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const char* Text,
                                           int CharCount, DWORD TextFlags, const TRect* Bounding, TRect* Extent);
using GetThemeTextMetricsProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, PlatformStructure* Metrics);
using GetThemeBackgroundRegionProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                                                 PlatformStructure** Region);
using HitTestThemeBackgroundProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, DWORD Options,
                                               const TRect* Rect, PlatformStructure* Region, TPoint Test,
                                               std::uint16_t* HitCode);
using DrawThemeEdgeProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Dest, unsigned Edge,
                                      unsigned Flags, TRect* Content);
using DrawThemeIconProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                                      PlatformStructure* ImageList, int ImageIndex);
using IsThemePartDefinedProc = BOOL (*)(HTHEME Theme, int PartId, int StateId);
using IsThemeBackgroundPartiallyTransparentProc = BOOL (*)(HTHEME Theme, int PartId, int StateId);
using GetThemeColorProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, TColor* Color);
using GetThemeMetricProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, int* Value);
using GetThemeStringProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, char* Buffer, int BufferSize);
using GetThemeBoolProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, BOOL* Value);
using GetThemeIntProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, int* Value);
using GetThemeEnumValueProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, int* Value);
using GetThemePositionProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, TPoint* Point);
using GetThemeFontProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, PlatformStructure* Font);
using GetThemeRectProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, TRect* Rect);
using GetThemeMarginsProc = HRESULT (*)(HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, const TRect* Rect,
                                        PlatformStructure* Margins);
using GetThemeIntListProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, PlatformStructure* List);
using SetWindowThemeProc = HRESULT (*)(HWND Window, const char* SubAppName, const char* SubIdList);
using GetThemeFilenameProc = HRESULT (*)(HTHEME Theme, int PartId, int StateId, int PropId, char* Buffer, int BufferSize);
using GetThemeSysColorProc = TColor (*)(HTHEME Theme, int ColorId);
using GetThemeSysColorBrushProc = PlatformStructure* (*)(HTHEME Theme, int ColorId);
using GetThemeSysBoolProc = BOOL (*)(HTHEME Theme, int BoolId);
using GetThemeSysSizeProc = int (*)(HTHEME Theme, int SizeId);
using GetThemeSysFontProc = HRESULT (*)(HTHEME Theme, int FontId, PlatformStructure* Font);
using GetThemeSysStringProc = HRESULT (*)(HTHEME Theme, int StringId, char* Buffer, int BufferSize);
using GetThemeSysIntProc = HRESULT (*)(HTHEME Theme, int IntId, int* Value);
using IsThemeActiveProc = BOOL (*)();
using IsAppThemedProc = BOOL (*)();
using GetWindowThemeProc = HTHEME (*)(HWND Window);
using EnableThemeDialogTextureProc = HRESULT (*)(HWND Window, DWORD Flags);
using IsThemeDialogTextureEnabledProc = BOOL (*)(HWND Window);
using GetThemeAppPropertiesProc = DWORD (*)();
using SetThemeAppPropertiesProc = void (*)(DWORD Flags);
using GetCurrentThemeNameProc = HRESULT (*)(char* FileName, int FileNameSize, char* ColorName, int ColorNameSize,
                                            char* SizeName, int SizeNameSize);
using GetThemeDocumentationPropertyProc = HRESULT (*)(const char* ThemeName, const char* PropertyName, char* Value,
                                                      int ValueSize);
using DrawThemeParentBackgroundProc = HRESULT (*)(HWND Window, HDC DC, const TRect* Rect);
using EnableThemingProc = HRESULT (*)(BOOL Enable);

inline constexpr int EntryCount = 45;

// The entry points' names, in the order the program binds them.
extern const std::array<std::string_view, EntryCount> EntryNames;

// The library's entry points by name.
TLibraryTable::TExports Exports();

}  // namespace plat::uxtheme
