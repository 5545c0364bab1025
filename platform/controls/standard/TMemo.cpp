#include "platform/controls/standard/TMemo.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/core/TStrings.h"

#include <QPlainTextEdit>

#include <vector>

namespace plat {

namespace {

// Line breaks as the field keeps them: LF.
std::string ToFieldBreaks(const std::string& Text)
{
    std::string result;
    result.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r') {
            result += '\n';
            if (i + 1 < Text.size() && Text[i + 1] == '\n')
                ++i;
        } else {
            result += Text[i];
        }
    }
    return result;
}

std::vector<std::string> SplitLines(const std::string& Text)
{
    std::vector<std::string> lines;
    if (Text.empty())
        return lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = Text.find('\n', start);
        if (end == std::string::npos) {
            if (start < Text.size())
                lines.push_back(Text.substr(start));
            return lines;
        }
        lines.push_back(Text.substr(start, end - start));
        start = end + 1;
    }
}

std::string JoinLines(const std::vector<std::string>& Lines, const char* Break)
{
    std::string text;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0)
            text += Break;
        text += Lines[i];
    }
    return text;
}

}  // namespace

// The memo's text line by line. Between BeginUpdate and EndUpdate the lines gather in a copy
// and reach the memo once.
class TMemo::TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TMemo& Memo) : FMemo(Memo) {}

    void Insert(int Index, const std::string& S) override
    {
        std::vector<std::string> lines = Read();
        if (Index < 0 || Index > static_cast<int>(lines.size()))
            IndexError(Index);
        lines.insert(lines.begin() + Index, ToFieldBreaks(S));
        Write(lines);
    }
    void Delete(int Index) override
    {
        std::vector<std::string> lines = Read();
        Check(lines, Index);
        lines.erase(lines.begin() + Index);
        Write(lines);
    }
    void Clear() override { Write({}); }

protected:
    int GetCount() const override { return static_cast<int>(Read().size()); }
    std::string Get(int Index) const override
    {
        const std::vector<std::string> lines = Read();
        Check(lines, Index);
        return lines[static_cast<std::size_t>(Index)];
    }
    void Put(int Index, const std::string& S) override
    {
        std::vector<std::string> lines = Read();
        Check(lines, Index);
        lines[static_cast<std::size_t>(Index)] = ToFieldBreaks(S);
        Write(lines);
    }
    void SetUpdateState(bool Updating) override
    {
        if (Updating) {
            FBatch = SplitLines(FMemo.RawText());
            FBatching = true;
            return;
        }
        FBatching = false;
        FMemo.SetText(JoinLines(FBatch, "\n"));
    }

private:
    static void Check(const std::vector<std::string>& Lines, int Index)
    {
        if (Index < 0 || Index >= static_cast<int>(Lines.size()))
            IndexError(Index);
    }
    std::vector<std::string> Read() const { return FBatching ? FBatch : SplitLines(FMemo.RawText()); }
    void Write(const std::vector<std::string>& Lines)
    {
        if (FBatching)
            FBatch = Lines;
        else
            FMemo.SetText(JoinLines(Lines, "\n"));
    }

    TMemo& FMemo;
    std::vector<std::string> FBatch;
    bool FBatching = false;
};

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(*this))
{
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

TWindowHost* TMemo::CreateHost(const TCreateParams&)
{
    auto* host = new THostWidget<QPlainTextEdit>(this);
    host->RouteEventsOf(host->viewport());
    return host;
}

void TMemo::CreateWnd()
{
    TCustomEdit::CreateWnd();
    auto* edit = static_cast<QPlainTextEdit*>(Host()->Widget());
    edit->setTabChangesFocus(false);
    ApplyWrapAndBars();
}

void TMemo::ApplyWrapAndBars()
{
    if (!HandleAllocated())
        return;
    auto* edit = static_cast<QPlainTextEdit*>(Host()->Widget());
    edit->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    edit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

std::string TMemo::GetText() const
{
    std::string text;
    for (const char ch : RawText()) {
        if (ch == '\n')
            text += '\r';
        text += ch;
    }
    return text;
}

void TMemo::SetText(const std::string& Value)
{
    TCustomEdit::SetText(ToFieldBreaks(Value));
}

TStrings& TMemo::Lines()
{
    return *FLines;
}

void TMemo::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    ApplyWrapAndBars();
}

void TMemo::SetScrollBars(TScrollStyle Value)
{
    FScrollBars = Value;
    ApplyWrapAndBars();
}

std::string TMemo::FitPastedText(const std::string& Text) const
{
    return ToFieldBreaks(Text);
}

void TMemo::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL | (FWantTabs ? DLGC_WANTTAB : 0u);
        return;
    case CM_WANTSPECIALKEY:
        if (Message.WParam == VK_RETURN && FWantReturns) {
            Message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomEdit::Dispatch(Message);
}

void TMemo::DefaultHandler(TMessage& Message)
{
    if (Message.Msg == WM_CHAR && (Message.WParam == U'\r' || Message.WParam == U'\t') && Room() <= 0)
        return;
    TCustomEdit::DefaultHandler(Message);
}

}  // namespace plat
