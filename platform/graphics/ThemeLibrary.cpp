#include "platform/graphics/ThemeLibrary.h"

#include "platform/system/Environment.h"

#include <algorithm>
#include <cstring>

namespace plat::uxtheme {

namespace {

// An entry point that does nothing and gives the same answer every time.
template <typename Proc, auto Answer>
struct Answering;

template <typename R, typename... Args, auto Answer>
struct Answering<R (*)(Args...), Answer> {
    static R Call(Args...)
    {
        if constexpr (!std::is_void_v<R>)
            return static_cast<R>(Answer);
    }
};

template <typename Proc, auto Answer>
FARPROC NotSupported()
{
    return reinterpret_cast<FARPROC>(&Answering<Proc, Answer>::Call);
}

template <typename Proc>
FARPROC Entry(Proc proc)
{
    return reinterpret_cast<FARPROC>(proc);
}

// The theme service when one is installed; the entries answer "no theme" without one.
IThemeServices* Service() { return Env().Themes; }

bool ThemesOn()
{
    IThemeServices* service = Service();
    return service && service->ThemesEnabled();
}

HTHEME OpenThemeData(HWND, const char* ClassList)
{
    IThemeServices* service = Service();
    return service && ClassList ? service->OpenThemeData(ClassList) : 0;
}

HRESULT CloseThemeData(HTHEME Theme)
{
    IThemeServices* service = Service();
    return service ? service->CloseThemeData(Theme) : E_HANDLE;
}

HRESULT DrawThemeBackground(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect, const TRect* ClipRect)
{
    IThemeServices* service = Service();
    if (!service)
        return E_HANDLE;
    if (!DC || !Rect)
        return E_INVALIDARG;
    return service->DrawThemeBackground(Theme, *TCanvas::FromHandle(DC), PartId, StateId, *Rect, ClipRect);
}

HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, TColor* Color)
{
    IThemeServices* service = Service();
    if (!service)
        return E_HANDLE;
    if (!Color)
        return E_INVALIDARG;
    return service->GetThemeColor(Theme, PartId, StateId, PropId, *Color);
}

BOOL IsThemeActive() { return ThemesOn() ? 1 : 0; }

BOOL IsAppThemed() { return ThemesOn() ? 1 : 0; }

// The theme has no file or colour scheme of the platform's own: every name is empty.
HRESULT GetCurrentThemeName(char* FileName, int FileNameSize, char* ColorName, int ColorNameSize, char* SizeName,
                            int SizeNameSize)
{
    if (!ThemesOn())
        return E_PROP_ID_UNSUPPORTED;
    for (const auto& [buffer, size] : {std::pair{FileName, FileNameSize}, {ColorName, ColorNameSize}, {SizeName, SizeNameSize}})
        if (buffer && size > 0)
            buffer[0] = '\0';
    return S_OK;
}

}  // namespace

const std::array<std::string_view, EntryCount> EntryNames = {
    "OpenThemeData",
    "CloseThemeData",
    "DrawThemeBackground",
    "DrawThemeText",
    "GetThemeBackgroundContentRect",
    "GetThemeBackgroundExtent",
    "GetThemeTextExtent",
    "GetThemeTextMetrics",
    "GetThemeBackgroundRegion",
    "HitTestThemeBackground",
    "DrawThemeEdge",
    "DrawThemeIcon",
    "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent",
    "GetThemeColor",
    "GetThemeMetric",
    "GetThemeString",
    "GetThemeBool",
    "GetThemeInt",
    "GetThemeEnumValue",
    "GetThemePosition",
    "GetThemeFont",
    "GetThemeRect",
    "GetThemeMargins",
    "GetThemeIntList",
    "SetWindowTheme",
    "GetThemeFilename",
    "GetThemeSysColor",
    "GetThemeSysColorBrush",
    "GetThemeSysBool",
    "GetThemeSysSize",
    "GetThemeSysFont",
    "GetThemeSysString",
    "GetThemeSysInt",
    "IsThemeActive",
    "IsAppThemed",
    "GetWindowTheme",
    "EnableThemeDialogTexture",
    "IsThemeDialogTextureEnabled",
    "GetThemeAppProperties",
    "SetThemeAppProperties",
    "GetCurrentThemeName",
    "GetThemeDocumentationProperty",
    "DrawThemeParentBackground",
    "EnableTheming",
};

TLibraryTable::TExports Exports()
{
    return {
        {"OpenThemeData", Entry<OpenThemeDataProc>(&OpenThemeData)},
        {"CloseThemeData", Entry<CloseThemeDataProc>(&CloseThemeData)},
        {"DrawThemeBackground", Entry<DrawThemeBackgroundProc>(&DrawThemeBackground)},
        {"DrawThemeText", NotSupported<DrawThemeTextProc, E_NOTIMPL>()},
        {"GetThemeBackgroundContentRect", NotSupported<GetThemeBackgroundContentRectProc, E_NOTIMPL>()},
        {"GetThemeBackgroundExtent", NotSupported<GetThemeBackgroundExtentProc, E_NOTIMPL>()},
        {"GetThemeTextExtent", NotSupported<GetThemeTextExtentProc, E_NOTIMPL>()},
        {"GetThemeTextMetrics", NotSupported<GetThemeTextMetricsProc, E_NOTIMPL>()},
        {"GetThemeBackgroundRegion", NotSupported<GetThemeBackgroundRegionProc, E_NOTIMPL>()},
        {"HitTestThemeBackground", NotSupported<HitTestThemeBackgroundProc, E_NOTIMPL>()},
        {"DrawThemeEdge", NotSupported<DrawThemeEdgeProc, E_NOTIMPL>()},
        {"DrawThemeIcon", NotSupported<DrawThemeIconProc, E_NOTIMPL>()},
        {"IsThemePartDefined", NotSupported<IsThemePartDefinedProc, 0>()},
        {"IsThemeBackgroundPartiallyTransparent", NotSupported<IsThemeBackgroundPartiallyTransparentProc, 0>()},
        {"GetThemeColor", Entry<GetThemeColorProc>(&GetThemeColor)},
        {"GetThemeMetric", NotSupported<GetThemeMetricProc, E_NOTIMPL>()},
        {"GetThemeString", NotSupported<GetThemeStringProc, E_NOTIMPL>()},
        {"GetThemeBool", NotSupported<GetThemeBoolProc, E_NOTIMPL>()},
        {"GetThemeInt", NotSupported<GetThemeIntProc, E_NOTIMPL>()},
        {"GetThemeEnumValue", NotSupported<GetThemeEnumValueProc, E_NOTIMPL>()},
        {"GetThemePosition", NotSupported<GetThemePositionProc, E_NOTIMPL>()},
        {"GetThemeFont", NotSupported<GetThemeFontProc, E_NOTIMPL>()},
        {"GetThemeRect", NotSupported<GetThemeRectProc, E_NOTIMPL>()},
        {"GetThemeMargins", NotSupported<GetThemeMarginsProc, E_NOTIMPL>()},
        {"GetThemeIntList", NotSupported<GetThemeIntListProc, E_NOTIMPL>()},
        {"SetWindowTheme", NotSupported<SetWindowThemeProc, E_NOTIMPL>()},
        {"GetThemeFilename", NotSupported<GetThemeFilenameProc, E_NOTIMPL>()},
        {"GetThemeSysColor", NotSupported<GetThemeSysColorProc, 0>()},
        {"GetThemeSysColorBrush", NotSupported<GetThemeSysColorBrushProc, nullptr>()},
        {"GetThemeSysBool", NotSupported<GetThemeSysBoolProc, 0>()},
        {"GetThemeSysSize", NotSupported<GetThemeSysSizeProc, 0>()},
        {"GetThemeSysFont", NotSupported<GetThemeSysFontProc, E_NOTIMPL>()},
        {"GetThemeSysString", NotSupported<GetThemeSysStringProc, E_NOTIMPL>()},
        {"GetThemeSysInt", NotSupported<GetThemeSysIntProc, E_NOTIMPL>()},
        {"IsThemeActive", Entry<IsThemeActiveProc>(&IsThemeActive)},
        {"IsAppThemed", Entry<IsAppThemedProc>(&IsAppThemed)},
        {"GetWindowTheme", NotSupported<GetWindowThemeProc, 0>()},
        {"EnableThemeDialogTexture", NotSupported<EnableThemeDialogTextureProc, E_NOTIMPL>()},
        {"IsThemeDialogTextureEnabled", NotSupported<IsThemeDialogTextureEnabledProc, 0>()},
        {"GetThemeAppProperties", NotSupported<GetThemeAppPropertiesProc, 0>()},
        {"SetThemeAppProperties", NotSupported<SetThemeAppPropertiesProc, 0>()},
        {"GetCurrentThemeName", Entry<GetCurrentThemeNameProc>(&GetCurrentThemeName)},
        {"GetThemeDocumentationProperty", NotSupported<GetThemeDocumentationPropertyProc, E_NOTIMPL>()},
        {"DrawThemeParentBackground", NotSupported<DrawThemeParentBackgroundProc, E_NOTIMPL>()},
        {"EnableTheming", NotSupported<EnableThemingProc, E_NOTIMPL>()},
    };
}

}  // namespace plat::uxtheme
