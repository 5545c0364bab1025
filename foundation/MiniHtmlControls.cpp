#include "foundation/MiniHtmlControls.h"

#include "foundation/HtmlEntities.h"
#include "foundation/MiniHtmlMarkup.h"
#include "foundation/TThemeLibraryBinding.h"
#include "platform/core/Exception.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/ThemeServices.h"

#include <algorithm>

namespace skelda::foundation {

using plat::TRect;

namespace {

// The quoted value of Key (e.g. "WIDTH="), the key searched outside quoted values only.
bool FindKey(std::string_view Tag, std::string_view Key, std::string& Value)
{
    bool quoted = false;
    for (std::size_t i = 0; i < Tag.size(); ++i) {
        if (Tag[i] == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted || Tag.size() - i < Key.size())
            continue;
        bool match = true;
        for (std::size_t k = 0; k < Key.size() && match; ++k)
            match = minihtml::UpperChar(Tag[i + k]) == Key[k];
        if (!match)
            continue;
        // The key must start a word: "VALUE=" is not read out of "XVALUE=".
        if (i > 0 && Tag[i - 1] != ' ' && Tag[i - 1] != '"' && Tag[i - 1] != '<')
            continue;
        const std::size_t open = Tag.find('"', i + Key.size());
        if (open == std::string_view::npos) {
            Value.clear();
            return true;
        }
        const std::size_t close = Tag.find('"', open + 1);
        Value = std::string(Tag.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
        return true;
    }
    return false;
}

bool EditLike(const std::string& Type)
{
    return Type == "EDIT" || Type == "PASSWORD" || Type == "MASK";
}

bool Boxed(const std::string& Type)
{
    return Type == "CHECK" || Type == "RADIO";
}

// Theme data opened for one control and closed again.
class TOpenTheme {
public:
    TOpenTheme(bool Themed, std::string_view ClassName)
        : FTheme(Themed ? plat::ThemeServices().OpenThemeData(ClassName) : 0)
    {
    }
    ~TOpenTheme()
    {
        if (FTheme != 0)
            plat::ThemeServices().CloseThemeData(FTheme);
    }
    TOpenTheme(const TOpenTheme&) = delete;
    TOpenTheme& operator=(const TOpenTheme&) = delete;
    plat::HTHEME Handle() const { return FTheme; }

private:
    plat::HTHEME FTheme;
};

}  // namespace

TMiniHtmlControl ParseMiniHtmlControl(std::string_view Tag)
{
    TMiniHtmlControl c;
    std::string_view rest = Tag.size() > 8 ? Tag.substr(8) : std::string_view{};
    std::string value;
    if (FindKey(rest, "TYPE=", value))
        c.Type = minihtml::UpperAscii(value);
    if (FindKey(rest, "ID=", value))
        c.Id = value;
    if (FindKey(rest, "VALUE=", value))
        c.Value = DecodeHtmlEntities(value);
    if (FindKey(rest, "PROP=", value))
        c.Prop = DecodeHtmlEntities(value);
    if (FindKey(rest, "MAXLEN=", value))
        c.MaxLen = value;
    if (FindKey(rest, "WIDTH=", value)) {
        const minihtml::TNumber n = minihtml::ReadNumber(value);
        c.HasWidth = n.Valid;
        c.WidthPx = std::clamp(n.Value, 0, 32767);
    }
    if (FindKey(rest, "HEIGHT=", value)) {
        const minihtml::TNumber n = minihtml::ReadNumber(value);
        if (n.Valid)
            c.HeightPx = std::clamp(n.Value, 0, 32767);
    }
    return c;
}

bool MiniHtmlControlsThemed()
{
    try {
        return VezXPVS().Loaded() && plat::ThemeServices().ThemesEnabled();
    } catch (const plat::Exception&) {
        return false;  // no theme service installed: classic faces
    }
}

plat::TSize TMiniHtmlControl::Size(plat::TCanvas& Canvas) const
{
    if (Boxed(Type))
        return {16, 16};
    if (EditLike(Type))
        return {WidthPx, Canvas.TextHeight("gh") + 10};
    if (Type == "BUTTON")
        return {WidthPx, HeightPx};
    return {WidthPx, 25};
}

int TMiniHtmlControl::MinimumLineHeight() const
{
    return Boxed(Type) ? 16 : 23;
}

int TMiniHtmlControl::LineHeight(plat::TSize Size) const
{
    const int asked = Type == "BUTTON" && HeightPx > 25 ? HeightPx - 2 : 0;
    return std::max(asked, Size.cy);
}

int TMiniHtmlControl::HitHeight(plat::TSize Size) const
{
    return Type == "BUTTON" ? 24 : Size.cy;
}

void TMiniHtmlControl::Draw(plat::TCanvas& Canvas, const TMiniHtmlControlPlace& Place, bool PointOver,
                            bool MouseIsDown, bool Themed, plat::HWND ThemeWindow) const
{
    (void)ThemeWindow;  // the theme service draws for the canvas, not for a window
    const int x = Place.X;
    const int b = Place.Bottom;
    const int lh = Place.LineHeight;
    const plat::TColor framePen = Themed ? plat::RGB(127, 157, 185) : plat::RGB(128, 128, 128);
    auto frame = [&] {
        const plat::TColor pen = Canvas.Pen().GetColor();
        Canvas.Pen().SetColor(framePen);
        Canvas.Brush().SetColor(plat::clWhite);
        Canvas.Rectangle(TRect{x, b - lh + 4, x + WidthPx, b + 2});
        Canvas.Brush().SetStyle(plat::bsClear);
        Canvas.Pen().SetColor(pen);
    };
    const unsigned textFormat = plat::DT_SINGLELINE | plat::DT_VCENTER | plat::DT_NOPREFIX;
    if (EditLike(Type)) {
        frame();
        TRect text{x + 2, b - lh + 4, x + WidthPx, b};
        const std::string shown = Type == "PASSWORD" ? std::string(Value.size(), '*') : Value;
        Canvas.DrawText(shown, text, textFormat);
    } else if (Type == "COMBO") {
        frame();
        TRect text{x + 4, b - lh + 4, x + WidthPx - 18, b};
        Canvas.DrawText(Value, text, textFormat);
        TRect button{x + WidthPx - 18, b - lh + 5, x + WidthPx - 1, b + 1};
        const TOpenTheme theme(Themed, "combobox");
        if (theme.Handle() != 0)
            plat::ThemeServices().DrawThemeBackground(theme.Handle(), Canvas, 1, PointOver ? 2 : 1, button, nullptr);
        else
            Canvas.DrawFrameControl(button, plat::DFC_SCROLL, plat::DFCS_SCROLLCOMBOBOX);
    } else if (Boxed(Type)) {
        const bool check = Type == "CHECK";
        const bool ticked = minihtml::UpperAscii(Value) == "TRUE";
        TRect box = check ? TRect{x + 2, b - 15, x + 15, b} : TRect{x + 2, b - 14, x + 14, b};
        const TOpenTheme theme(Themed, "button");
        if (theme.Handle() != 0) {
            plat::ThemeServices().DrawThemeBackground(theme.Handle(), Canvas, check ? 3 : 2, ticked ? 5 : 1, box,
                                                      nullptr);
        } else {
            unsigned state = (check ? plat::DFCS_BUTTONCHECK : plat::DFCS_BUTTONRADIO) | plat::DFCS_FLAT;
            if (ticked)
                state |= plat::DFCS_CHECKED;
            Canvas.DrawFrameControl(box, plat::DFC_BUTTON, state);
        }
    } else if (Type == "BUTTON") {
        const bool pressed = PointOver && MouseIsDown;
        TRect box{x + 2, b - HeightPx, x + WidthPx - 2, b};
        const TOpenTheme theme(Themed, "button");
        if (theme.Handle() != 0) {
            plat::ThemeServices().DrawThemeBackground(theme.Handle(), Canvas, 1, pressed ? 3 : (PointOver ? 2 : 1),
                                                      box, nullptr);
        } else {
            Canvas.DrawFrameControl(box, plat::DFC_BUTTON, plat::DFCS_BUTTONPUSH | (pressed ? unsigned{plat::DFCS_PUSHED} : 0u));
        }
        TRect text{box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2};
        Canvas.DrawText(Value, text, plat::DT_SINGLELINE | plat::DT_VCENTER | plat::DT_CENTER | plat::DT_NOPREFIX);
    }
}

}  // namespace skelda::foundation
