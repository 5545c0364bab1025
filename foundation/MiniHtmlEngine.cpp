#include "foundation/MiniHtmlEngine.h"

#include "foundation/MiniHtmlMarkup.h"
#include "foundation/MiniHtmlGradients.h"
#include "foundation/MiniHtmlPictures.h"
#include "foundation/MiniHtmlControls.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skelda::foundation {

using namespace minihtml;
using plat::TColor;
using plat::TRect;

TMiniHtmlVariant TMiniHtmlVariant::Grid()
{
    TMiniHtmlVariant v;
    v.FormControls = true;
    v.LinkTitles = true;
    v.GluedRuns = true;
    v.AllMarkers = true;
    v.RestorePen = true;
    v.SettableHighlight = true;
    return v;
}

TMiniHtmlVariant TMiniHtmlVariant::Hint()
{
    TMiniHtmlVariant v;
    v.TrimLines = true;
    v.SpacedAmpersandRaw = true;
    v.HintTags = true;
    return v;
}

namespace {

TColor gHighlightBack = plat::clHighlight;
TColor gHighlightText = plat::clHighlightText;

// Bullets and list indentation are fixed pixel amounts, whatever the font.
constexpr int kListStepPx = 12;
constexpr int kGradientSteps = 64;
// Every markup number that becomes a size or an offset stays within what a canvas can take.
constexpr int kMaxExtentPx = 32767;

int ClampExtent(int Value)
{
    return std::clamp(Value, 0, kMaxExtentPx);
}

TColor BrushColorOf(const plat::TCanvas& Canvas)
{
    return Canvas.Brush().GetStyle() == plat::bsClear ? plat::clNone : Canvas.Brush().GetColor();
}

void SetBrushColor(plat::TCanvas& Canvas, TColor Color)
{
    if (Color == plat::clNone)
        Canvas.Brush().SetStyle(plat::bsClear);
    else
        Canvas.Brush().SetColor(Color);
}

void SetFontStyle(plat::TCanvas& Canvas, plat::TFontStyle Style, bool On)
{
    plat::TFontStyles styles = Canvas.Font().GetStyle();
    if (On)
        styles.Include(Style);
    else
        styles.Exclude(Style);
    Canvas.Font().SetStyle(styles);
}

bool StartsWithUpper(std::string_view Text, std::size_t At, std::string_view Prefix)
{
    if (Text.size() - At < Prefix.size())
        return false;
    for (std::size_t i = 0; i < Prefix.size(); ++i)
        if (UpperChar(Text[At + i]) != Prefix[i])
            return false;
    return true;
}

bool IsTrimmed(char C)
{
    return static_cast<unsigned char>(C) <= ' ';
}

// What the tags of a line leave for the lines after it. Both passes of a line start from the
// same value: the first pass runs the line's tags, then the second pass runs them again from
// where the first began.
struct TFlowState {
    // The open link, which the first pass of a line gives back before the second, also when
    // only measuring.
    struct TLink {
        bool Open = false;
        std::string Target;
        std::string Title;
    };
    TLink Link;
    bool LinkPending = false;   // the point was found over the open link's text
    bool HoverApplied = false;  // the open link took the hover look
    int LinkCounter = 0;
    int ListLevel = 0;
    int PictureCounter = 0;
    bool Hidden = false;
    bool Shadow = false;
    bool Error = false;
    bool ParagraphBack = false;
    bool Rotated = false;
    int UnrotatedOrientation = 0;
    int NextLineOffset = 0;     // hint: offset set by <OF…> or </O…> for the lines after
};

// Whether the point can meet a line in its first pass, which lays the line out: a linked picture
// under it shows its ALT picture from then on. Lines start at the bounds' top and one pixel right
// of their left edge; runs placed from the right edge can be met from anywhere left of it.
bool PointMeetsFirstPasses(const TMiniHtmlRequest& Q)
{
    return Q.PointY > Q.Bounds.Top && (Q.ReadingOrder == 1 || Q.PointX >= Q.Bounds.Left + 1);
}

// The state of one call and the line routine that both passes of every line run.
class TMiniHtmlRun {
public:
    TMiniHtmlRun(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                 TMiniHtmlResult& Result)
        : V(Variant), C(Canvas), Q(Request), R(Result)
    {
    }

    // Both passes of every line, one line after the other.
    void Run();
    // The first passes only, kept in Layout.
    void LayOut(TMiniHtmlLayout& Layout);
    // The second passes only, of the lines of Layout.
    void Replay(const TMiniHtmlLayout& Layout);

private:
    enum class Mode { Measure, Draw };

    struct Line {
        std::string markup;
        int width = 0;
        int height = 0;
        int supSpace = 0;
        int subSpace = 0;
        int pictureOffset = 0;
    };

    // The canvas state a call keeps and gives back.
    struct TSavedCanvas {
        TColor PenColor = plat::clBlack;
        int PenWidth = 1;
        plat::TBrushStyle BrushStyle = plat::bsSolid;
        TColor BrushColor = plat::clWhite;
    };

    TSavedCanvas Begin();
    void End(const TSavedCanvas& Saved);
    void Preprocess();
    // Whether text is left from Pos on; the hint's copy trims what is left first.
    bool LineLeft(std::size_t& Pos);
    // The first pass of the line at Pos of FText (consuming it), from the measuring font.
    void FirstPass(std::size_t& Pos, plat::TFont& MeasureFont, Line& L, int& GhHeight);
    // Where a measured line stands in the working rectangle.
    TRect PlaceLine(const Line& L) const;
    // The second pass of a placed line over the markup its first pass took, from the drawing
    // font; sets the result's hit.
    void SecondPass(const std::string& Markup, const Line& L, const TRect& LineRect, int GhHeight,
                    plat::TFont& DrawFont);
    // Moves the working rectangle below the line; false when the next line would not fit.
    bool NextLineFits(const Line& L, int GhHeight);
    // Lays out one line of Text from Pos on (consuming it), in the given mode.
    void LineRoutine(const std::string& Text, std::size_t& Pos, TRect LineRect, Mode M, Line& L);
    void ApplyTag(std::string_view Text, std::size_t Pos, std::size_t TagEnd, TRect LineRect, Mode M, Line& L);
    void TextRun(const std::string& Text, std::size_t& Pos, std::size_t RunEnd, TRect LineRect, Mode M, Line& L);
    void OpenLink(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M, Line& L);
    void CloseLink(const TRect& LineRect, Mode M, Line& L);
    void Font(std::string_view Tag, std::string_view Upper, Mode M);
    void CloseFont(Mode M);
    void Paragraph(std::string_view Upper, const TRect& LineRect, Mode M);
    void Body(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M);
    void ListItem(std::string_view Upper, const TRect& LineRect, Mode M, Line& L);
    void Picture(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M, Line& L);
    void Control(std::string_view Tag, const TRect& LineRect, Mode M, Line& L);
    void Rule(std::string_view Upper, const TRect& LineRect, Mode M);
    void Rotate(std::string_view Upper);
    // Draws a run, or holds it to be drawn with the runs after it.
    void DrawRun(const std::string& Shown, const TRect& LineRect, Line& L, int& WidthPx);
    // Draws the runs held so far; every tag and the line's end come after it.
    void DrawHeldRuns();
    // One text with its shadow.
    void DrawText(const std::string& Shown, TRect Run, unsigned Format);
    unsigned RunFormat() const { return V.HintTags ? (FFormat & ~plat::DT_EXTERNALLEADING) : FFormat; }
    void DrawZigzag(int FromX, int ToX, int Bottom);
    void DrawFocus(TRect Rect);
    bool Drawing(Mode M) const { return M == Mode::Draw; }
    // The measurements of the canvas font: a layout's when it has them, else this call's own.
    const TMiniHtmlFontMetrics& Metrics();
    TMiniHtmlFontMetrics& OwnMetrics();
    int GhHeight() { return Metrics().TextHeightPx; }
    int TextHeight(const std::string& Text) { return Text.empty() ? 0 : Metrics().TextHeightPx; }
    int RunWidth(const std::string& Shown, unsigned Format);
    // Only the first pass of a line decides what the line holds; the second, over an aligned and
    // so narrower rectangle, takes all of it, so that drawing and locating see the same line.
    // Runs are placed from the right edge leftwards only where their alignment is mirrored too;
    // right-to-left reading alone keeps them moving right, so they never pile up at one place.
    bool MirroredRuns() const { return Q.ReadingOrder == 1; }
    int Available(const TRect& LineRect) const { return LineRect.Width(); }
    // What one run or picture alone may take: a line that continues at an offset has less.
    int RoomForOne(const TRect& LineRect) const { return LineRect.Width() - FLineOffset; }

    const TMiniHtmlVariant& V;
    plat::TCanvas& C;
    const TMiniHtmlRequest& Q;
    TMiniHtmlResult& R;

    std::string FText;
    unsigned FFormat = 0;
    plat::TFont FBaseFont;
    TColor FBackground = plat::clNone;
    TColor FBaseColor = plat::clBlack;
    TRect FWork;

    // Per line.
    int FPen = 0;
    int FRightEdge = 0;  // with right-to-left reading runs are placed from here leftwards
    int FTrailingSpace = 0;
    bool FLineDone = false;
    bool FLineFull = false;
    bool FItemSeen = false;
    bool FLinkTextHit = false;
    bool FPictureHit = false;
    bool FControlHit = false;
    bool FFirstPass = true;
    std::string FVisible;
    int FLineOffset = 0;  // hint: continuation offset in force for this line
    // Runs drawn as one when the next tag or the line's end comes.
    struct THeldRuns {
        std::string Text;
        TRect Rect;
        int WidthPx = 0;
        int LineBottom = 0;
    };
    THeldRuns FHeld;

    // Per call.
    TFlowState FFlow;
    int FAlign = 0;  // 0 left, 1 right, 2 centre
    int FIndent = 0;
    int FLinkStartX = 0;
    int FLinkStartTop = 0;
    bool FLinkStartedHere = false;
    TRect FFocus;
    int FHoverPicture = -1;
    bool FSub = false;
    bool FSup = false;
    TColor FHoverBrush = plat::clNone;
    TColor FHoverText = plat::clBlack;
    TColor FFontBrush = plat::clNone;
    TColor FHiText = plat::clBlack;
    TColor FHiBrush = plat::clNone;
    TColor FParagraphBrush = plat::clNone;
    std::vector<TMiniHtmlFontMetrics> FMetrics;
    const std::vector<TMiniHtmlFontMetrics>* FKnownMetrics = nullptr;
    bool FReusable = true;
    bool FThemed = false;
};

const TMiniHtmlFontMetrics& TMiniHtmlRun::Metrics()
{
    if (FKnownMetrics)
        for (const TMiniHtmlFontMetrics& m : *FKnownMetrics)
            if (m.Describes(C.Font()))
                return m;
    return OwnMetrics();
}

TMiniHtmlFontMetrics& TMiniHtmlRun::OwnMetrics()
{
    const plat::TFont& font = C.Font();
    for (TMiniHtmlFontMetrics& m : FMetrics)
        if (m.Describes(font))
            return m;
    FMetrics.push_back({font.GetName(), font.GetHeight(), font.GetStyle(), C.TextHeight("gh"), C.TextWidth(" "), {}});
    return FMetrics.back();
}

int TMiniHtmlRun::RunWidth(const std::string& Shown, unsigned Format)
{
    std::string key = Shown + ((Format & plat::DT_NOPREFIX) != 0 ? '\1' : '\2');
    const TMiniHtmlFontMetrics& known = Metrics();
    if (auto found = known.RunWidthsPx.find(key); found != known.RunWidthsPx.end())
        return found->second;
    auto& widths = OwnMetrics().RunWidthsPx;
    if (auto found = widths.find(key); found != widths.end())
        return found->second;
    int width = 0;
    // Only prefixes and tabs make the drawn width differ from the text's own extent.
    if (Shown.find('\t') == std::string::npos &&
        ((Format & plat::DT_NOPREFIX) != 0 || Shown.find('&') == std::string::npos)) {
        width = C.TextWidth(Shown);
    } else {
        TRect measured{0, 0, 0, 0};
        C.DrawText(Shown, measured, Format | plat::DT_CALCRECT);
        width = measured.Width();
    }
    widths.emplace(std::move(key), width);
    return width;
}

void TMiniHtmlRun::Preprocess()
{
    std::string text = ExpandEntities(Q.Text);
    // "<#…>" markers lose their brackets; the hint's copy only handles the first.
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find("<#", from);
        if (at == std::string::npos)
            break;
        text.erase(at, 1);
        const std::size_t close = text.find('>', at);
        if (close != std::string::npos)
            text.erase(close, 1);
        if (!V.AllMarkers)
            break;
        from = at;
    }
    FText.clear();
    FText.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            FText += "<BR>";
        else if (c != '\n')
            FText += c;
    }
}

bool TMiniHtmlRun::LineLeft(std::size_t& Pos)
{
    if (V.TrimLines) {
        while (Pos < FText.size() && IsTrimmed(FText[Pos]))
            ++Pos;
        std::size_t end = FText.size();
        while (end > Pos && IsTrimmed(FText[end - 1]))
            --end;
        FText.resize(end);
    }
    return Pos < FText.size();
}

TMiniHtmlRun::TSavedCanvas TMiniHtmlRun::Begin()
{
    const TSavedCanvas saved{C.Pen().GetColor(), C.Pen().GetWidth(), C.Brush().GetStyle(), C.Brush().GetColor()};
    FBaseFont.Assign(C.Font());
    FBaseColor = FBaseFont.GetColor();
    FBackground = saved.BrushStyle == plat::bsClear ? plat::clNone : saved.BrushColor;

    SetBrushColor(C, plat::clNone);
    FThemed = V.FormControls && MiniHtmlControlsThemed();

    if (V.FormControls && !Q.LocateOnly)
        R.ControlId.clear();
    R.ControlRect = {};
    R.ControlValue.clear();
    R.ControlType.clear();
    R.Hit = false;
    R.ContentWidth = 0;
    R.ContentHeight = 0;
    R.LinkTotal = 0;
    R.PlainText.clear();
    R.FocusedLinkTarget.clear();
    R.TitleUnderPoint.clear();
    R.LinkIndexUnderPoint = -1;

    FWork = Q.Bounds;
    FWork.Left += 1;
    C.SetBkMode(plat::TRANSPARENT);

    FFormat = plat::DT_SINGLELINE | plat::DT_BOTTOM | plat::DT_EXPANDTABS | plat::DT_EXTERNALLEADING;
    if (Q.ReadingOrder == 1)
        FFormat |= plat::DT_RIGHT | plat::DT_RTLREADING;
    else if (Q.ReadingOrder == 2 || Q.ReadingOrder == 3)
        FFormat |= plat::DT_RTLREADING;
    if (!Q.WrapWords)
        FFormat |= plat::DT_END_ELLIPSIS;
    return saved;
}

void TMiniHtmlRun::End(const TSavedCanvas& Saved)
{
    if (R.ContentHeight == 0)
        R.ContentHeight = GhHeight();
    R.LinkTotal = FFlow.LinkCounter;
    if (V.RestorePen) {
        C.Pen().SetColor(Saved.PenColor);
        C.Pen().SetWidth(Saved.PenWidth);
    }
    C.Brush().SetColor(Saved.BrushColor);
    C.Brush().SetStyle(Saved.BrushStyle);
    // The base font comes back whole, so an unclosed <R…> leaves nothing rotated.
    C.Font().Assign(FBaseFont);
}

void TMiniHtmlRun::FirstPass(std::size_t& Pos, plat::TFont& MeasureFont, Line& L, int& GhHeightPx)
{
    C.Font().Assign(MeasureFont);
    FSub = FSup = false;
    L.height = GhHeight();
    GhHeightPx = L.height;
    // A continued line starts further right in both passes, also when the text is only
    // measured, so that a hint is sized for the lines it then draws.
    FLineOffset = V.HintTags ? FFlow.NextLineOffset : 0;
    const TFlowState::TLink link = FFlow.Link;
    FFirstPass = true;
    const std::size_t lineStart = Pos;
    LineRoutine(FText, Pos, FWork, Mode::Measure, L);
    if (Pos == lineStart) {
        // Every line takes at least its first run or tag; a line that took nothing would
        // repeat for ever, so the text ends here instead.
        Pos = FText.size();
    }
    MeasureFont.Assign(C.Font());
    FFlow.Link = link;
    if (V.HintTags)
        L.height += Q.LineGap;
}

TRect TMiniHtmlRun::PlaceLine(const Line& L) const
{
    TRect lineRect = FWork;
    if (FAlign == 1) {
        if (FWork.Right - L.width > lineRect.Left)
            lineRect.Left = FWork.Right - L.width;
    } else if (FAlign == 2) {
        if (FWork.Width() - L.width > 0)
            lineRect.Left = FWork.Left + (FWork.Width() - L.width) / 2;
    }
    lineRect.Left += FIndent;
    lineRect.Bottom = lineRect.Top + L.height + L.supSpace + L.subSpace;
    return lineRect;
}

void TMiniHtmlRun::SecondPass(const std::string& Markup, const Line& L, const TRect& LineRect, int GhHeightPx,
                              plat::TFont& DrawFont)
{
    C.Font().Assign(DrawFont);
    FSub = FSup = false;
    FFirstPass = false;
    std::size_t markupPos = 0;
    Line second{{}, L.width, L.height, L.supSpace, L.subSpace, L.pictureOffset};
    LineRoutine(Markup, markupPos, LineRect, Q.LocateOnly ? Mode::Measure : Mode::Draw, second);
    DrawFont.Assign(C.Font());
    const int bottom = LineRect.Bottom - L.pictureOffset;
    if (FLinkTextHit && Q.PointY > bottom - GhHeightPx && Q.PointY < bottom)
        R.Hit = true;
    if (FPictureHit || FControlHit)
        R.Hit = true;
}

bool TMiniHtmlRun::NextLineFits(const Line& L, int GhHeightPx)
{
    const int height = L.height + L.supSpace + L.subSpace;
    FWork.Top += height;
    R.ContentHeight += height;
    return Q.SizeOnly || FWork.Top + GhHeightPx <= FWork.Bottom;
}

void TMiniHtmlRun::Run()
{
    const TSavedCanvas saved = Begin();
    plat::TFont measureFont;
    plat::TFont drawFont;
    measureFont.Assign(C.Font());
    drawFont.Assign(C.Font());
    Preprocess();
    if (V.SpacedAmpersandRaw && FText.find(" & ") != std::string::npos)
        FFormat |= plat::DT_NOPREFIX;

    std::size_t pos = 0;
    while (LineLeft(pos)) {
        const TFlowState lineStart = FFlow;
        Line line;
        int ghHeight = 0;
        FirstPass(pos, measureFont, line, ghHeight);
        if (!Q.SizeOnly) {
            FFlow = lineStart;
            SecondPass(line.markup, line, PlaceLine(line), ghHeight, drawFont);
        }
        if (!NextLineFits(line, ghHeight))
            break;
    }
    End(saved);
}

void TMiniHtmlRun::LayOut(TMiniHtmlLayout& Layout)
{
    const TSavedCanvas saved = Begin();
    plat::TFont measureFont;
    measureFont.Assign(C.Font());
    Preprocess();
    Layout = {};
    Layout.RawAmpersands = V.SpacedAmpersandRaw && FText.find(" & ") != std::string::npos;
    if (Layout.RawAmpersands)
        FFormat |= plat::DT_NOPREFIX;

    std::size_t pos = 0;
    while (LineLeft(pos)) {
        const std::size_t plainBefore = R.PlainText.size();
        Line line;
        int ghHeight = 0;
        FirstPass(pos, measureFont, line, ghHeight);
        Layout.Lines.push_back({std::move(line.markup), R.PlainText.substr(plainBefore), line.width, line.height,
                                line.supSpace, line.subSpace, line.pictureOffset, ghHeight, FAlign, FIndent});
        R.ContentHeight += line.height + line.supSpace + line.subSpace;
    }
    End(saved);
    Layout.ContentWidthPx = R.ContentWidth;
    Layout.ContentHeightPx = R.ContentHeight;
    Layout.LinkTotal = R.LinkTotal;
    Layout.Metrics = std::move(FMetrics);
    Layout.Reusable = FReusable;
}

void TMiniHtmlRun::Replay(const TMiniHtmlLayout& Layout)
{
    FKnownMetrics = &Layout.Metrics;
    const TSavedCanvas saved = Begin();
    if (Layout.RawAmpersands)
        FFormat |= plat::DT_NOPREFIX;
    if (Q.SizeOnly) {
        for (const TMiniHtmlLine& line : Layout.Lines)
            R.PlainText += line.PlainText;
        R.ContentWidth = Layout.ContentWidthPx;
        R.ContentHeight = Layout.ContentHeightPx;
        FFlow.LinkCounter = Layout.LinkTotal;
        End(saved);
        return;
    }
    plat::TFont drawFont;
    drawFont.Assign(C.Font());
    for (const TMiniHtmlLine& laid : Layout.Lines) {
        // The second passes run one after the other as they do in a whole run, where each starts
        // from the state the previous one left; only what the first passes add comes from the
        // layout.
        FLineOffset = V.HintTags ? FFlow.NextLineOffset : 0;
        FAlign = laid.Align;
        FIndent = laid.IndentPx;
        R.PlainText += laid.PlainText;
        R.ContentWidth = std::max(R.ContentWidth, laid.WidthPx);
        const Line line{{}, laid.WidthPx, laid.HeightPx, laid.SupSpacePx, laid.SubSpacePx, laid.PictureOffsetPx};
        SecondPass(laid.Markup, line, PlaceLine(line), laid.GhHeightPx, drawFont);
        if (!NextLineFits(line, laid.GhHeightPx))
            break;
    }
    End(saved);
}

void TMiniHtmlRun::LineRoutine(const std::string& Text, std::size_t& Pos, TRect LineRect, Mode M, Line& L)
{
    // Only the first pass takes the line's markup; the second runs over it.
    if (FFirstPass)
        L.markup.clear();
    FVisible.clear();
    LineRect.Bottom -= L.subSpace;
    FPen = LineRect.Left + FLineOffset;
    FRightEdge = LineRect.Right;
    L.width = FLineOffset;
    FTrailingSpace = 0;
    FLineDone = FLineFull = FItemSeen = false;
    FLinkTextHit = FPictureHit = FControlHit = false;
    FLinkStartedHere = false;

    if (Drawing(M) && FFlow.ParagraphBack) {
        C.Pen().SetColor(BrushColorOf(C) == plat::clNone ? C.Pen().GetColor() : BrushColorOf(C));
        C.FillRect(TRect{Q.Bounds.Left, LineRect.Top, Q.Bounds.Right, LineRect.Top + L.height});
    }

    while (Pos < Text.size() && !FLineDone && !FLineFull) {
        const std::size_t lt = Text.find('<', Pos);
        std::size_t runEnd = lt == std::string::npos ? Text.size() : lt;
        if (Q.WrapWords) {
            const std::size_t space = Text.find(' ', Pos);
            if (space != std::string::npos && space < runEnd)
                runEnd = space + 1;
        }
        if (runEnd > Pos)
            TextRun(Text, Pos, runEnd, LineRect, M, L);

        const std::size_t left = Text.size() - Pos;
        if (Pos < Text.size() && Text[Pos] == '<' && left <= 2) {
            Pos = Text.size();
            break;
        }
        if (FLineDone || Pos >= Text.size() || Text[Pos] != '<' || left < 3)
            continue;
        const std::size_t close = Text.find('>', Pos);
        ApplyTag(Text, Pos, close, LineRect, M, L);
        if (close == std::string::npos || FLineFull) {
            if (!FLineFull) {
                // The unclosed tag goes with the line, so that both passes apply it (a link it
                // opens counts whether the text is only measured or drawn too).
                if (FFirstPass)
                    L.markup.append(Text, Pos);
                Pos = Text.size();
            }
        } else {
            if (FFirstPass)
                L.markup.append(Text, Pos, close + 1 - Pos);
            Pos = close + 1;
        }
    }

    if (Drawing(M))
        DrawHeldRuns();
    L.width -= FTrailingSpace;
    R.ContentWidth = std::max(R.ContentWidth, L.width);

    if (Drawing(M) && FFlow.Link.Open && FFlow.LinkCounter == Q.FocusLinkIndex + 1) {
        FFocus.Right = FPen;
        FFocus.Bottom = LineRect.Bottom;
        DrawFocus(FFocus);
        FFocus.Left = LineRect.Left + 1;
        FFocus.Top = FFocus.Bottom;
    }
}

void TMiniHtmlRun::TextRun(const std::string& Text, std::size_t& Pos, std::size_t RunEnd, TRect LineRect, Mode M,
                           Line& L)
{
    const std::string_view raw(Text.data() + Pos, RunEnd - Pos);
    const std::string shown = ExpandRunEntities(raw);
    const int h = TextHeight(shown);
    if (FSub)
        L.subSpace = std::max(L.subSpace, h / 4);
    if (FSup)
        L.supSpace = std::max(L.supSpace, h / 4);
    L.height = std::max(L.height, h);
    // A run enters the plain text when the line takes it: one that wraps is taken, and
    // counted, on the next line only.
    if (FFlow.Hidden) {
        if (FFirstPass)
            R.PlainText += shown;
        Pos = RunEnd;
        return;
    }
    const bool linkText = FFlow.Link.Open;
    int w = 0;
    if (!Drawing(M)) {
        w = RunWidth(shown, FFormat);
        L.width += w;
        const int x = MirroredRuns() ? LineRect.Right - Q.PointX : Q.PointX - LineRect.Left;
        if (L.width - w <= x && x <= L.width && linkText) {
            FLinkTextHit = true;
            if (Q.PointY > LineRect.Top) {
                R.LinkUnderPoint = FFlow.Link.Target;
                if (V.LinkTitles)
                    R.TitleUnderPoint = FFlow.Link.Title;
                FFlow.LinkPending = true;
            }
        }
    } else {
        DrawRun(shown, LineRect, L, w);
        if (linkText && FFlow.LinkCounter == Q.FocusLinkIndex + 1)
            R.FocusedLinkTarget = FFlow.Link.Target;
    }

    bool fits = !FFirstPass || L.width < Available(LineRect) || w >= RoomForOne(LineRect);
    if (!fits && V.GluedRuns && !FVisible.empty() && FVisible.back() != ' ')
        fits = true;
    const bool onlyRun = FVisible.empty();
    FVisible += shown;
    if (fits || !Q.WrapWords) {
        if (FFirstPass)
            R.PlainText += shown;
        if (FFirstPass)
            L.markup.append(raw);
        Pos = RunEnd;
        if (FFirstPass && !fits && onlyRun)
            Pos = Text.size();
        FTrailingSpace = (!raw.empty() && raw.back() == ' ' && raw == shown) ? Metrics().SpaceWidthPx : 0;
    } else {
        FLineDone = true;
        L.width -= w;
    }
}

void TMiniHtmlRun::DrawRun(const std::string& Shown, const TRect& LineRect, Line& L, int& WidthPx)
{
    int bottom = LineRect.Bottom;
    if (FSup)
        bottom -= L.supSpace;
    if (FSub)
        bottom += L.subSpace;
    bottom -= L.pictureOffset;
    const unsigned format = RunFormat();
    WidthPx = RunWidth(Shown, format);
    // The hint's copy drops a run starting within a letter "w" of the right edge when lines are
    // not wrapped, unless all of it fits before the edge.
    if (V.HintTags && !Q.WrapWords && FPen > LineRect.Right - C.TextWidth("w") && FPen + WidthPx > LineRect.Right) {
        DrawHeldRuns();
        return;
    }
    if (MirroredRuns()) {
        // Placed from the right edge leftwards, each run on its own.
        TRect run{FPen, LineRect.Top, FRightEdge, bottom};
        if (V.HintTags)
            run.Left = std::max(run.Left, run.Right - WidthPx);
        DrawText(Shown, run, format);
        if (FFlow.Error)
            DrawZigzag(FRightEdge - WidthPx, FRightEdge, LineRect.Bottom);
        FRightEdge -= WidthPx;
        return;
    }
    // Runs that no tag parts have one look and one place to stand on: they are drawn as one text,
    // as a whole line of plain words is.
    if (FHeld.Text.empty())
        FHeld = {{}, TRect{FPen, LineRect.Top, LineRect.Right, bottom}, 0, LineRect.Bottom};
    FHeld.Text += Shown;
    FHeld.WidthPx += WidthPx;
    FPen += WidthPx;
}

void TMiniHtmlRun::DrawHeldRuns()
{
    if (FHeld.Text.empty())
        return;
    TRect run = FHeld.Rect;
    const unsigned format = RunFormat();
    // The hint's copy draws runs into their own measured box.
    if (V.HintTags)
        run.Right = std::min(run.Right, run.Left + std::max(FHeld.WidthPx, RunWidth(FHeld.Text, format)));
    DrawText(FHeld.Text, run, format);
    if (FFlow.Error)
        DrawZigzag(run.Left, run.Left + FHeld.WidthPx, FHeld.LineBottom);
    FHeld.Text.clear();
}

void TMiniHtmlRun::DrawText(const std::string& Shown, TRect Run, unsigned Format)
{
    // Blanks alone show nothing on a transparent background unless a line runs under them.
    const plat::TFontStyles style = C.Font().GetStyle();
    if (C.GetBkMode() == plat::TRANSPARENT && !style.Contains(plat::fsUnderline) &&
        !style.Contains(plat::fsStrikeOut) && Shown.find_first_not_of(' ') == std::string::npos)
        return;
    if (FFlow.Shadow) {
        const TColor color = C.Font().GetColor();
        C.Font().SetColor(Q.ShadowTextColor);
        TRect shadow{Run.Left + Q.ShadowShift, Run.Top + Q.ShadowShift, Run.Right + Q.ShadowShift,
                     Run.Bottom + Q.ShadowShift};
        C.DrawText(Shown, shadow, Format);
        C.Font().SetColor(color);
    }
    C.DrawText(Shown, Run, Format);
}

void TMiniHtmlRun::DrawZigzag(int FromX, int ToX, int Bottom)
{
    const TColor pen = C.Pen().GetColor();
    C.Pen().SetColor(plat::clRed);
    int x = FromX & ~1;
    auto yAt = [&](int px) { return (px & 2) ? Bottom + 1 : Bottom - 1; };
    C.MoveTo(x, yAt(x));
    while (x < ToX) {
        x += 2;
        C.LineTo(x, yAt(x));
    }
    C.Pen().SetColor(pen);
}

void TMiniHtmlRun::DrawFocus(TRect Rect)
{
    Rect.Left -= 1;
    Rect.Top -= 1;
    Rect.Right += 1;
    Rect.Bottom += 1;
    C.DrawFocusRect(Rect);
}

void TMiniHtmlRun::ApplyTag(std::string_view Text, std::size_t Pos, std::size_t TagEnd, TRect LineRect, Mode M,
                            Line& L)
{
    const std::size_t end = TagEnd == std::string_view::npos ? Text.size() : TagEnd + 1;
    const std::string_view tag = Text.substr(Pos, end - Pos);
    const std::string upper = UpperAscii(tag);
    const bool closing = Text.size() - Pos > 3 && Text[Pos + 1] == '/';
    const std::size_t kindAt = Pos + (closing ? 2 : 1);
    const char kind = kindAt < Text.size() ? UpperChar(Text[kindAt]) : '\0';
    const char next = kindAt + 1 < Text.size() ? UpperChar(Text[kindAt + 1]) : '\0';
    const bool draw = Drawing(M);
    LineRect.Bottom -= L.subSpace;
    if (draw)
        DrawHeldRuns();

    if (closing) {
        switch (kind) {
        case 'A':
            CloseLink(LineRect, M, L);
            break;
        case 'B':
            if (next == '>')
                SetFontStyle(C, plat::fsBold, false);
            else if (draw)
                C.Font().SetColor(FBaseColor);
            break;
        case 'E':
            FFlow.Error = false;
            break;
        case 'F':
            CloseFont(M);
            break;
        case 'H':
            if (draw) {
                C.Font().SetColor(FHiText);
                SetBrushColor(C, FHiBrush);
            }
            break;
        case 'I':
            SetFontStyle(C, plat::fsItalic, false);
            break;
        case 'L':
            FLineDone = true;
            break;
        case 'O':
            if (V.HintTags)
                FFlow.NextLineOffset = 0;
            break;
        case 'P':
            FLineDone = true;
            FFlow.ParagraphBack = false;
            if (draw)
                SetBrushColor(C, FParagraphBrush);
            break;
        case 'R':
            if (FFlow.Rotated) {
                C.Font().SetOrientation(FFlow.UnrotatedOrientation);
                FFlow.Rotated = false;
            }
            break;
        case 'S':
            if (next == 'H')
                FFlow.Shadow = false;
            else if (next == 'U')
                FSub = FSup = false;
            else
                SetFontStyle(C, plat::fsStrikeOut, false);
            break;
        case 'U':
            if (next == '>' || FFlow.ListLevel < 1)
                SetFontStyle(C, plat::fsUnderline, false);
            else
                --FFlow.ListLevel;
            break;
        case 'Z':
            FFlow.Hidden = false;
            break;
        default:
            break;
        }
        return;
    }

    switch (kind) {
    case 'A':
        OpenLink(tag, upper, LineRect, M, L);
        break;
    case 'B':
        if (next == '>') {
            SetFontStyle(C, plat::fsBold, true);
        } else if (next == 'R') {
            FLineDone = true;
            if (FFirstPass)
                R.PlainText += '\r';
        } else if (next == 'L') {
            if (draw && !Q.BlinkVisible)
                C.Font().SetColor(FBackground);
        } else if (next == 'O') {
            Body(tag, upper, LineRect, M);
        }
        break;
    case 'C':
        if (V.FormControls)
            Control(tag, LineRect, M, L);
        break;
    case 'E':
        FFlow.Error = true;
        break;
    case 'F':
        if (TagEnd != std::string_view::npos)
            Font(tag, upper, M);
        break;
    case 'H':
        if (next == 'I') {
            if (draw) {
                FHiText = C.Font().GetColor();
                FHiBrush = BrushColorOf(C);
                SetBrushColor(C, V.SettableHighlight ? gHighlightBack : plat::clHighlight);
                C.Font().SetColor(V.SettableHighlight ? gHighlightText : plat::clHighlightText);
            }
        } else if (next == 'R') {
            FLineDone = true;
            Rule(upper, LineRect, M);
        }
        break;
    case 'I':
        if (next == '>') {
            SetFontStyle(C, plat::fsItalic, true);
        } else if (next == 'M') {
            Picture(tag, upper, LineRect, M, L);
        } else if (next == 'N') {
            const std::size_t x = upper.find('X', 3);
            if (x != std::string::npos) {
                std::string_view value = std::string_view(upper).substr(x + 1);
                while (!value.empty() && (value.front() == '=' || value.front() == '"' || value.front() == ' '))
                    value.remove_prefix(1);
                const std::size_t stop = value.find_first_of("\">");
                const TNumber n = ReadNumber(value.substr(0, stop));
                if (n.Valid) {
                    const int indent = ClampExtent(n.Value);
                    if (indent > L.width) {
                        FPen = LineRect.Left + indent;
                        L.width = indent;
                    }
                }
            }
        }
        break;
    case 'L':
        ListItem(upper, LineRect, M, L);
        break;
    case 'O':
        if (V.HintTags && next == 'F') {
            const std::size_t x = upper.find('X', 3);
            if (x != std::string::npos) {
                const std::string_view rest = std::string_view(upper).substr(x + 1);
                const std::size_t q = rest.find('"');
                const int offset = ClampExtent(q == std::string_view::npos ? 0 : LeadingInt(rest.substr(q + 1)));
                FFlow.NextLineOffset = offset;
                FPen = LineRect.Left + offset;
                L.width = offset;
            }
        }
        break;
    case 'P':
        if (TagEnd != std::string_view::npos)
            Paragraph(upper, LineRect, M);
        break;
    case 'R':
        Rotate(upper);
        break;
    case 'S':
        if (next == '>')
            SetFontStyle(C, plat::fsStrikeOut, true);
        else if (next == 'H')
            FFlow.Shadow = true;
        else if (StartsWithUpper(Text, Pos, "<SUB>"))
            FSub = true;
        else if (StartsWithUpper(Text, Pos, "<SUP>"))
            FSup = true;
        break;
    case 'U':
        if (next == '>') {
            SetFontStyle(C, plat::fsUnderline, true);
        } else {
            ++FFlow.ListLevel;
            FLineDone = true;
        }
        break;
    case 'Z':
        FFlow.Hidden = true;
        break;
    default:
        break;
    }
}

void TMiniHtmlRun::OpenLink(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M, Line& L)
{
    if (Drawing(M) && FFlow.LinkCounter == Q.FocusLinkIndex) {
        FFocus.Left = FPen;
        FFocus.Top = LineRect.Top;
    }
    FLinkStartX = L.width;
    FLinkStartTop = LineRect.Top;
    FLinkStartedHere = true;
    ++FFlow.LinkCounter;
    const bool hovered = FFlow.LinkCounter == Q.HoverLinkIndex;
    FFlow.HoverApplied = !Q.HoverOnlyLinks || hovered;
    if (FFlow.HoverApplied) {
        SetFontStyle(C, plat::fsUnderline, true);
        if (Drawing(M)) {
            FHoverBrush = BrushColorOf(C);
            FHoverText = C.Font().GetColor();
            if (Q.HoverBackColor != plat::clNone)
                SetBrushColor(C, Q.HoverBackColor);
            if (Q.HoverTextColor != plat::clNone)
                C.Font().SetColor(Q.HoverTextColor);
        }
    }
    if (Drawing(M) && !Q.SelectedText && !(Q.HoverOnlyLinks && hovered && Q.HoverTextColor != plat::clNone))
        C.Font().SetColor(Q.LinkTextColor);
    if (V.HintTags) {
        const std::size_t open = Tag.find('"');
        std::string target;
        if (open != std::string_view::npos) {
            const std::size_t close = Tag.find('"', open + 1);
            target = std::string(Tag.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
        }
        FFlow.Link.Open = true;
        FFlow.Link.Target = target;
        return;
    }
    const TAttribute href = ReadAttributeKeepCase(Tag, Upper, "HREF");
    if (href.Found) {
        FFlow.Link.Open = true;
        FFlow.Link.Target = href.Value;
    }
    const TAttribute title = ReadAttributeKeepCase(Tag, Upper, "TITLE");
    if (title.Found)
        FFlow.Link.Title = title.Value;
}

void TMiniHtmlRun::CloseLink(const TRect& LineRect, Mode M, Line& L)
{
    SetFontStyle(C, plat::fsUnderline, false);
    if (FFlow.HoverApplied && Drawing(M)) {
        SetBrushColor(C, FHoverBrush);
        C.Font().SetColor(FHoverText);
    }
    FFlow.HoverApplied = false;
    if (Drawing(M) && !Q.SelectedText)
        C.Font().SetColor(FBaseColor);
    if (FFlow.LinkPending) {
        const TRect start = FLinkStartedHere ? TRect{FLinkStartX + LineRect.Left, FLinkStartTop, 0, 0}
                                             : TRect{LineRect.Left, LineRect.Top, 0, 0};
        R.LinkRectUnderPoint = {start.Left, start.Top, LineRect.Left + L.width, LineRect.Bottom};
        R.LinkIndexUnderPoint = FFlow.LinkCounter;
        FFlow.LinkPending = false;
    }
    if (FFlow.LinkCounter == Q.FocusLinkIndex + 1 && Drawing(M)) {
        FFocus.Right = FPen;
        FFocus.Bottom = LineRect.Bottom - L.pictureOffset;
        FFocus.Top = FFocus.Bottom - GhHeight();
        DrawFocus(FFocus);
    }
    FFlow.Link.Open = false;
    FFlow.Link.Target.clear();
    FFlow.Link.Title.clear();
}

void TMiniHtmlRun::Font(std::string_view Tag, std::string_view Upper, Mode M)
{
    (void)Tag;
    const TAttribute face = ReadAttribute(Upper, "FACE");
    if (face.Found)
        C.Font().SetName(face.Value);
    const TAttribute color = ReadAttribute(Upper, " COLOR");
    if (color.Found && Drawing(M) && !Q.SelectedText)
        C.Font().SetColor(ReadColor(color.Value));
    const TAttribute back = ReadAttribute(Upper, "BGCOLOR");
    if (back.Found && Drawing(M) && !Q.SelectedText) {
        FFontBrush = BrushColorOf(C);
        SetBrushColor(C, ReadColor(back.Value));
    }
    const std::size_t size = Upper.find("SIZE");
    if (size != std::string_view::npos) {
        const std::size_t eq = Upper.find('=', size);
        if (eq != std::string_view::npos) {
            std::string_view value = Upper.substr(eq + 1);
            const std::size_t quote = value.find('"');
            if (quote != std::string_view::npos)
                value.remove_prefix(quote + 1);
            const int n = LeadingInt(value);
            static constexpr int kSizes[] = {8, 10, 12, 14, 16};
            const int points = (n >= 1 && n <= 5) ? kSizes[n - 1] : n;
            C.Font().SetSize(std::clamp(points, -1000, 1000));
        }
    }
}

void TMiniHtmlRun::CloseFont(Mode M)
{
    C.Font().SetName(FBaseFont.GetName());
    C.Font().SetSize(FBaseFont.GetSize());
    if (Drawing(M) && !Q.SelectedText) {
        C.Font().SetColor(FBaseColor);
        SetBrushColor(C, FFontBrush);
    }
}

void TMiniHtmlRun::Paragraph(std::string_view Upper, const TRect& LineRect, Mode M)
{
    const TAttribute align = ReadAttribute(Upper, "ALIGN");
    if (align.Found) {
        if (align.Value.find("RIGHT") != std::string::npos)
            FAlign = 1;
        if (align.Value.find("LEFT") != std::string::npos)
            FAlign = 0;
        if (align.Value.find("CENTER") != std::string::npos)
            FAlign = 2;
    }
    const TAttribute indent = ReadAttribute(Upper, "INDENT");
    if (indent.Found)
        FIndent = ClampExtent(LeadingInt(indent.Value));
    const TAttribute back = ReadAttribute(Upper, "BGCOLOR");
    if (!back.Found || !Drawing(M))
        return;
    const TColor from = back.Value.empty() ? plat::clNone : ReadColor(back.Value);
    const TAttribute to = V.HintTags ? ReadAttribute(Upper, "BGCOLORTO") : TAttribute{};
    FFlow.ParagraphBack = true;
    FParagraphBrush = BrushColorOf(C);
    if (to.Found) {
        DrawGradientBands(C, from, ReadColor(to.Value), kGradientSteps, true,
                          TRect{Q.Bounds.Left, LineRect.Top, Q.Bounds.Right, LineRect.Bottom + 2});
        SetBrushColor(C, plat::clNone);
        return;
    }
    SetBrushColor(C, from);
    if (from != plat::clNone) {
        C.Pen().SetColor(from);
        C.FillRect(TRect{Q.Bounds.Left, LineRect.Top, Q.Bounds.Right, LineRect.Bottom});
    }
}

void TMiniHtmlRun::Body(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M)
{
    if (!Drawing(M) || (V.HintTags && Q.SelectedText))
        return;
    TMiniHtmlPictureSources sources{Q.ImageList, Q.Pictures, Q.PictureCache};
    // Picture names and addresses keep their case, as SRC does: paths need not be upper case.
    auto picture = [&](std::string_view keyword) {
        const TAttribute a = ReadAttributeKeepCase(Tag, Upper, keyword);
        return a.Found ? sources.Resolve(a.Value) : TMiniHtmlPicture{};
    };
    const TMiniHtmlPicture background = picture("BACKGROUND");
    if (background.IsHtmlPicture())
        background.Tile(C, Q.Bounds);
    else if (V.HintTags && background.Valid())
        background.DrawAt(C, LineRect.Left, LineRect.Top, Q.PrintMode, Q.PrintScale);
    if (V.HintTags) {
        const TMiniHtmlPicture topLeft = picture("BGTOPLEFT");
        if (topLeft.IsHtmlPicture())
            topLeft.DrawClipped(C, Q.Bounds.Left, Q.Bounds.Top, Q.Bounds);
        else if (topLeft.Valid())
            topLeft.DrawAt(C, LineRect.Left, LineRect.Top, Q.PrintMode, Q.PrintScale);
        const TMiniHtmlPicture topRight = picture("BGTOPRIGHT");
        if (topRight.IsHtmlPicture())
            topRight.DrawClipped(C, Q.Bounds.Right - topRight.Width(), Q.Bounds.Top, Q.Bounds);
        else if (topRight.Valid())
            topRight.DrawAt(C, LineRect.Right - topRight.Width(), LineRect.Top, Q.PrintMode, Q.PrintScale);
    }
    const TAttribute color = ReadAttribute(Upper, "BGCOLOR");
    if (!color.Found)
        return;
    TColor fill = plat::clBlack;
    if (V.HintTags)
        fill = ReadColor(color.Value);
    else if (color.Value.find("CL") != std::string::npos)
        fill = ColorByName(color.Value);
    else if (color.Value.find('#') != std::string::npos)
        fill = ReadHexColor(color.Value.substr(color.Value.find('#')));
    const TAttribute to = V.HintTags ? ReadAttribute(Upper, "BGCOLORTO") : TAttribute{};
    if (to.Found) {
        const TAttribute dir = ReadAttribute(Upper, "DIR");
        const bool horizontal = !dir.Found || dir.Value == "H";
        DrawGradientBands(C, fill, ReadColor(to.Value), kGradientSteps, horizontal, Q.Bounds);
        SetBrushColor(C, plat::clNone);
        return;
    }
    // </FONT> brings back the body's colour in the grid's copy, the brush before it in the hint's.
    FFontBrush = V.HintTags ? BrushColorOf(C) : fill;
    const TColor pen = C.Pen().GetColor();
    SetBrushColor(C, fill);
    C.Pen().SetColor(fill);
    TRect all = Q.Bounds;
    if (V.HintTags)
        all.Left -= 2;
    C.FillRect(all);
    C.Pen().SetColor(pen);
}

void TMiniHtmlRun::ListItem(std::string_view Upper, const TRect& LineRect, Mode M, Line& L)
{
    if (FItemSeen) {
        FLineFull = true;
        return;
    }
    FItemSeen = true;
    const int level = std::max(FFlow.ListLevel, 0);
    L.width += level * kListStepPx;
    FPen += std::max(level - 1, 0) * kListStepPx;
    if (Drawing(M) && !FFlow.Hidden) {
        TColor bulletColor = plat::clNone;
        std::string type;
        if (V.HintTags) {
            const TAttribute c = ReadAttribute(Upper, "COLOR");
            if (c.Found)
                bulletColor = ReadColor(c.Value);
            const TAttribute t = ReadAttribute(Upper, "TYPE");
            if (t.Found)
                type = t.Value;
        }
        if (type == "SQUARE" || type == "CIRCLE") {
            const TColor brush = BrushColorOf(C);
            const TColor fill = bulletColor == plat::clNone ? plat::clBlack : bulletColor;
            C.Pen().SetColor(fill);
            SetBrushColor(C, fill);
            const TRect box{FPen, LineRect.Top + 2, FPen + 8, LineRect.Top + 10};
            if (type == "SQUARE")
                C.Rectangle(box);
            else
                C.Ellipse(box);
            SetBrushColor(C, brush);
        } else if (type.empty()) {
            const std::string name = C.Font().GetName();
            const TColor color = C.Font().GetColor();
            C.Font().SetName("Symbol");
            if (bulletColor != plat::clNone)
                C.Font().SetColor(bulletColor);
            // The symbol font's bullet is drawn as the Unicode bullet, which every face has.
            TRect box{FPen, LineRect.Top, LineRect.Right, LineRect.Bottom};
            C.DrawText(level % 2 == 1 ? "\xE2\x80\xA2" : "o", box, plat::DT_SINGLELINE | plat::DT_NOPREFIX);
            C.Font().SetName(name);
            C.Font().SetColor(color);
        }
    }
    FPen += kListStepPx;
}

void TMiniHtmlRun::Rule(std::string_view Upper, const TRect& LineRect, Mode M)
{
    if (!Drawing(M))
        return;
    TColor color = plat::clBlack;
    if (V.HintTags) {
        const TAttribute c = ReadAttribute(Upper, "COLOR");
        if (c.Found)
            color = ReadColor(c.Value);
    }
    const TColor pen = C.Pen().GetColor();
    C.Pen().SetColor(color);
    C.MoveTo(LineRect.Left, LineRect.Bottom + 1);
    C.LineTo(LineRect.Right, LineRect.Bottom + 1);
    if (!V.HintTags)
        C.Pen().SetColor(pen);
}

void TMiniHtmlRun::Rotate(std::string_view Upper)
{
    const std::size_t a = Upper.find('A', 2);
    if (a == std::string_view::npos)
        return;
    const TAttribute angle = ReadAttribute(Upper.substr(a), "A");
    const int degrees = LeadingInt(angle.Value) % 360;
    if (!FFlow.Rotated)
        FFlow.UnrotatedOrientation = C.Font().GetOrientation();
    FFlow.Rotated = true;
    C.Font().SetOrientation(degrees * 10);
}

void TMiniHtmlRun::Picture(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M, Line& L)
{
    ++FFlow.PictureCounter;
    // Both copies keep SRC and ALT as written: names and paths need not be upper case.
    const TAttribute src = ReadAttributeKeepCase(Tag, Upper, "SRC");
    const TAttribute alt = ReadAttributeKeepCase(Tag, Upper, "ALT");
    const int widthAttr = ClampExtent(LeadingInt(ReadAttribute(Upper, "WIDTH").Value));
    const int heightAttr = ClampExtent(LeadingInt(ReadAttribute(Upper, "HEIGHT").Value));
    std::string source = src.Value;
    if (alt.Found && FFlow.PictureCounter == FHoverPicture)
        source = alt.Value;

    TMiniHtmlPictureSources sources{Q.ImageList, Q.Pictures, Q.PictureCache};
    const TMiniHtmlPicture picture = sources.Resolve(source);
    if (FFirstPass && !picture.IsSystemIcon())
        FReusable = false;
    const plat::TSize size = picture.LayoutSize(widthAttr, heightAttr);
    const int w = size.cx;
    const int h = size.cy;

    if (Drawing(M) && picture.Valid())
        picture.Draw(C, FPen, LineRect.Top, widthAttr, heightAttr, Q.PrintMode, Q.PrintScale, FBackground,
                     !V.HintTags);

    const int x = Q.PointX - LineRect.Left;
    if (L.width < x && x < L.width + w && LineRect.Top < Q.PointY && Q.PointY < LineRect.Top + h && FFlow.Link.Open) {
        FPictureHit = true;
        R.LinkUnderPoint = FFlow.Link.Target;
        if (V.LinkTitles)
            R.TitleUnderPoint = FFlow.Link.Title;
        FHoverPicture = FFlow.PictureCounter;
    }

    if (FFirstPass && L.width + w > Available(LineRect) && w < RoomForOne(LineRect)) {
        FLineFull = true;
    } else {
        L.width += w;
        FPen += w;
        L.height = std::max(L.height, h);
    }
    const int gh = GhHeight();
    if (Upper.find("\"TOP") != std::string_view::npos)
        L.pictureOffset = L.height - gh;
    else if (Upper.find("\"MIDDLE") != std::string_view::npos)
        L.pictureOffset = (L.height - gh) / 2;
    if (V.HintTags && Upper.find("WRAP") != std::string_view::npos) {
        L.height = gh;
        L.pictureOffset = 0;
    }
}

void TMiniHtmlRun::Control(std::string_view Tag, const TRect& LineRect, Mode M, Line& L)
{
    const TMiniHtmlControl control = ParseMiniHtmlControl(Tag);
    if (!control.Valid())
        return;
    TMiniHtmlControlPlace place;
    place.X = FPen;
    place.Bottom = LineRect.Bottom;
    const plat::TSize size = control.Size(C);
    L.height = std::max(control.MinimumLineHeight(), L.height);
    L.height = std::max(L.height, control.LineHeight(size));
    place.LineHeight = L.height;
    const bool over = place.X - 2 < Q.PointX && Q.PointX < place.X + size.cx - 2 &&
                      place.Bottom - control.HitHeight(size) - 2 < Q.PointY && Q.PointY < place.Bottom - 2;
    if (Drawing(M))
        control.Draw(C, place, over, Q.MouseIsDown, FThemed, Q.ThemeWindow);

    const int x = Q.PointX - LineRect.Left;
    const bool byPoint = L.width < x && x < L.width + size.cx && LineRect.Top < Q.PointY && Q.PointY < LineRect.Top + size.cy;
    const bool byId = Q.LocateOnly && !R.ControlId.empty() && R.ControlId == control.Id;
    if (byPoint || byId) {
        FControlHit = true;
        R.LinkUnderPoint = "ctrl";
        R.ControlRect = TRect{LineRect.Left + L.width, LineRect.Top, LineRect.Left + L.width + size.cx, LineRect.Top + size.cy};
        R.ControlValue = control.Value;
        R.ControlId = control.Id;
        R.ControlType = control.Type;
    }
    if (FFirstPass && L.width + size.cx > Available(LineRect) && size.cx < RoomForOne(LineRect)) {
        FLineFull = true;
        return;
    }
    L.width += size.cx;
    FPen += size.cx;
    L.height = std::max(L.height, size.cy);
}

}  // namespace

void RunMiniHtml(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                 TMiniHtmlResult& Result)
{
    TMiniHtmlRun(Variant, Canvas, Request, Result).Run();
}

void LayOutMiniHtml(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                    TMiniHtmlLayout& Layout, TMiniHtmlResult& Result)
{
    TMiniHtmlRun(Variant, Canvas, Request, Result).LayOut(Layout);
}

void RunMiniHtml(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                 const TMiniHtmlLayout& Layout, TMiniHtmlResult& Result)
{
    if (PointMeetsFirstPasses(Request))
        TMiniHtmlRun(Variant, Canvas, Request, Result).Run();
    else
        TMiniHtmlRun(Variant, Canvas, Request, Result).Replay(Layout);
}

void SetMiniHtmlHighlightColors(TColor BackColor, TColor TextColor)
{
    gHighlightBack = BackColor;
    gHighlightText = TextColor;
}

TColor MiniHtmlHighlightTextColor()
{
    return gHighlightText;
}

TColor MiniHtmlHighlightBackColor()
{
    return gHighlightBack;
}

}  // namespace skelda::foundation
