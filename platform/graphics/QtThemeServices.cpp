#include "platform/graphics/QtThemeServices.h"

#include "platform/graphics/QtConversions.h"
#include "platform/graphics/QtThemeElements.h"
#include "platform/graphics/TCanvas.h"

#include <QPainter>

#include <algorithm>
#include <string>

namespace plat {

namespace {

std::string RectText(const TRect& Rect)
{
    return std::to_string(Rect.Left) + "," + std::to_string(Rect.Top) + "," + std::to_string(Rect.Right) + "," +
           std::to_string(Rect.Bottom);
}

}  // namespace

HTHEME QtThemeServices::OpenThemeData(std::string_view ClassList)
{
    const std::optional<TThemeClass> found = FindThemeClass(ClassList);
    if (!found)
        return 0;
    const HTHEME handle = FNextHandle++;
    FOpen.emplace(handle, *found);
    return handle;
}

HRESULT QtThemeServices::CloseThemeData(HTHEME Theme)
{
    return FOpen.erase(Theme) == 1 ? S_OK : E_HANDLE;
}

HRESULT QtThemeServices::Find(HTHEME Theme, int PartId, int StateId, TThemeClass& Class, TThemeElement& Element) const
{
    const auto open = FOpen.find(Theme);
    if (open == FOpen.end())
        return E_HANDLE;
    const std::optional<TThemeElement> element = FindThemeElement(open->second, PartId, StateId);
    if (!element)
        return E_INVALIDARG;
    Class = open->second;
    Element = *element;
    return S_OK;
}

HRESULT QtThemeServices::DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId,
                                             const TRect& Rect, const TRect* ClipRect)
{
    TThemeClass themeClass{};
    TThemeElement element;
    if (const HRESULT found = Find(Theme, PartId, StateId, themeClass, element); FAILED(found))
        return found;
    if (Rect.IsEmpty())
        return S_OK;
    std::string call = "DrawThemeBackground(" + std::string(ThemeClassName(themeClass)) + "," +
                       std::to_string(PartId) + "," + std::to_string(StateId) + "," + RectText(Rect);
    if (ClipRect)
        call += " clip=" + RectText(*ClipRect);
    call += ")";
    Canvas.PaintWith(call, [&](QPainter& painter) {
        // Some styles reach past the rectangle (the selected tab, the groove's shadow); a part
        // of the platform stays inside it.
        painter.setClipRect(ToQRect(Rect), painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        if (ClipRect)
            painter.setClipRect(ToQRect(*ClipRect), Qt::IntersectClip);
        PaintThemeElement(painter, element, Rect);
    });
    return S_OK;
}

HRESULT QtThemeServices::GetThemePartSize(HTHEME Theme, int PartId, int StateId, const TRect* Rect, THEMESIZE Size,
                                          TSize& Result)
{
    TThemeClass themeClass{};
    TThemeElement element;
    if (const HRESULT found = Find(Theme, PartId, StateId, themeClass, element); FAILED(found))
        return found;
    if (Size != TS_MIN && Size != TS_TRUE && Size != TS_DRAW)
        return E_INVALIDARG;
    const std::optional<TSize> own = ThemeElementOwnSize(element);
    if (!own) {
        Result = Rect ? TSize{Rect->Width(), Rect->Height()} : TSize{};
        return S_OK;
    }
    Result = *own;
    if (Size == TS_DRAW && Rect)
        Result = {std::min(Result.cx, Rect->Width()), std::min(Result.cy, Rect->Height())};
    return S_OK;
}

HRESULT QtThemeServices::GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, TColor& Result)
{
    TThemeClass themeClass{};
    TThemeElement element;
    if (const HRESULT found = Find(Theme, PartId, StateId, themeClass, element); FAILED(found))
        return found;
    const std::optional<TColor> color = ThemeElementColor(element, PropId);
    if (!color)
        return E_PROP_ID_UNSUPPORTED;
    Result = *color;
    return S_OK;
}

}  // namespace plat
