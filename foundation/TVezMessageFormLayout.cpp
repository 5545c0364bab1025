// The emulated task dialog's layout: the vertical placing of its controls, the button row, and
// the re-measuring after a text changed while the form is shown.

#include "foundation/TCustomVezTaskDialog.h"
#include "foundation/TTaskDialogButton.h"
#include "foundation/TVezMessageForm.h"
#include "foundation/TaskDialogInput.h"
#include "foundation/TaskDialogCaptions.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/standard/TCheckBox.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TProgressBar.h"
#include "platform/controls/standard/TRadioButton.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>

namespace skelda::foundation {

void TVezMessageForm::SetPositions()
{
    if (!FTaskDialog)
        return;
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    const TMessageFormMetrics& m = FMetrics;
    int y = m.VertMarginPx;

    // Every control is placed left to right and the whole form mirrored at the end.
    if (FIcon)
        FIcon->SetLeft(m.HorzMarginPx);
    Message->SetLeft(FHorzParaMargin);

    // 1. Instruction.
    Message->SetTransparent(true);
    Message->SetVisible(!Message->GetCaption().empty());
    if (Message->GetVisible())
        y += Message->GetHeight() + m.VertSpacingPx;

    PlaceContent(y);
    // 4. The input control, fitted to the client width (which the content may have widened), and
    // the room it takes.
    if (FInput)
        FInput->FitWidth(GetClientWidth(), m.HorzMarginPx);
    y += InputAllowance();

    // 5. Progress bar, below the icon.
    if (FProgressBar) {
        if (FIcon)
            y = std::max(y, FIcon->GetTop() + FIcon->GetHeight() + 3);
        FProgressBar->SetBounds(m.HorzMarginPx, y, GetClientWidth() - 2 * m.HorzMarginPx, FProgressBar->GetHeight());
        y += FProgressBar->GetHeight() + m.VertSpacingPx;
    }

    // 6. Radio buttons.
    for (plat::TRadioButton* radio : FRadioList) {
        const int left = FHorzParaMargin + m.HorzMarginPx;
        radio->SetBounds(left, y, GetClientWidth() - left - m.HorzMarginPx, radio->GetHeight());
        y += radio->GetHeight() + 4;
    }
    if (!FRadioList.empty())
        y += m.VertSpacingPx - 4;

    // 7. Expanded text.
    FExpTextXSize = FExpTextYSize = 0;
    FExpTextTop = 0;
    if (!dialog.GetExpandedText().empty() && FExpanded) {
        const plat::TSize size = MeasureTextBlock(dialog.GetExpandedText(), GetContentRect(), y, true);
        FExpTextXSize = size.cx;
        FExpTextYSize = size.cy;
        FExpTextTop = y;
        y += FExpTextYSize + m.VertSpacingPx;
    }

    // 8. Command links, indented like the instruction.
    if (HasCommandLinks()) {
        for (plat::TWinControl* link : FcsBtnList) {
            const int left = FHorzParaMargin;
            link->SetBounds(left, y, GetClientWidth() - left - m.HorzMarginPx, link->GetHeight());
            y += link->GetHeight() + 2;
        }
        FWhiteWindowHeight = y;
        y += m.VertSpacingPx;
    }

    // 9-11. The button row.
    int bottom = 0;
    PlaceButtonRow(y, bottom);

    PlaceFooter(y, bottom);

    // 13-14.
    SetClientHeight(bottom + m.VertMarginPx);
    if (FcmBtnList.empty() && (HasCommandLinks() || FcsBtnList.empty()))
        FWhiteWindowHeight = GetClientHeight();
    if (FExpTextTop > 0 && dialog.FOptions.Contains(doExpandedFooter))
        FWhiteWindowHeight = FExpTextTop;
    MirrorRightToLeft();
}

// Right to left the form is the mirror image of its left-to-right layout: the icon on the right,
// the texts and fields left of it, the buttons from the left.
void TVezMessageForm::MirrorRightToLeft()
{
    if (!UseRightToLeftAlignment())
        return;
    const int width = GetClientWidth();
    for (int i = 0; i < ControlCount(); ++i) {
        plat::TControl* control = Controls(i);
        control->SetLeft(width - control->GetLeft() - control->GetWidth());
    }
}

plat::TRect TVezMessageForm::Mirrored(plat::TRect R) const
{
    if (!UseRightToLeftAlignment())
        return R;
    const int width = GetClientWidth();
    return {width - R.Right, R.Top, width - R.Left, R.Bottom};
}

// The content and the input control below it; without content, the gap the instruction leaves.
void TVezMessageForm::PlaceContent(int& Y)
{
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    const TMessageFormMetrics& m = FMetrics;
    if (dialog.GetContent().empty()) {
        if (dialog.FRadioButtons->Count() == 0 && !(HasCommandLinks() && !FcsBtnList.empty()))
            Y += m.VertSpacingPx;
        if (Message->GetCaption().empty() && FIcon)
            Y += m.VertSpacingPx + m.VertMarginPx;
        return;
    }
    const plat::TRect r = GetContentRect();
    const plat::TSize size = MeasureTextBlock(dialog.GetContent(), r, Y, false);
    FContentXSize = size.cx;
    FContentYSize = size.cy;
    if (r.Width() < FContentXSize)
        SetClientWidth(GetClientWidth() + FContentXSize - r.Width());
    int h = FContentYSize;
    if (Message->GetCaption().empty() && FIcon)
        h = std::max(h, FIcon->GetHeight());
    Y += h + m.VertSpacingPx;
    PlaceInput(Y - 10);
}

// The footer text and icon from Top; Bottom grows by the room they take.
void TVezMessageForm::PlaceFooter(int Top, int& Bottom)
{
    const std::string& footer = FTaskDialog->GetFooter();
    if (footer.empty() && !FFooterIcon)
        return;
    const TMessageFormMetrics& m = FMetrics;
    const int left = m.HorzMarginPx + (FFooterIcon ? kFooterIconRoomPx : 0);
    int footerHeight = 0;
    if (!footer.empty()) {
        const plat::TSize size = MeasureHtml(footer, {left, Top, GetClientWidth() - m.HorzMarginPx, Top + 100}, 0, false);
        FFooterXSize = size.cx;
        FFooterYSize = size.cy;
        footerHeight = size.cy;
    }
    if (FFooterIcon) {
        FFooterIcon->SetBounds(m.HorzMarginPx, Top, FFooterIcon->GetWidth(), FFooterIcon->GetHeight());
        footerHeight = std::max(footerHeight, kFooterIconRoomPx);
    }
    Bottom += footerHeight + m.VertSpacingPx;
}

plat::TSize TVezMessageForm::MeasureTextBlock(const std::string& Text, plat::TRect Bounds, int Top,
                                              bool AlwaysBreakLines)
{
    Bounds.Top = Top;
    Bounds.Bottom = Top + 26;
    if (FTaskDialog->FOptions.Contains(doHyperlinks))
        return MeasureHtml(Text, Bounds, 0, true);
    return MeasureDialogText(Text, Bounds.Width(), AlwaysBreakLines);
}

void TVezMessageForm::PlaceButtonRow(int& Y, int& Bottom)
{
    const TMessageFormMetrics& m = FMetrics;
    std::vector<plat::TWinControl*> row;
    if (!HasCommandLinks())
        row = FcsBtnList;
    const int customCount = static_cast<int>(row.size());
    row.insert(row.end(), FcmBtnList.begin(), FcmBtnList.end());

    auto widthOf = [&](auto First, auto Last) {
        int sum = 0;
        int count = 0;
        for (auto it = First; it != Last; ++it, ++count)
            sum += (*it)->GetWidth();
        return sum + (count - 1) * m.ButtonSpacingPx;
    };
    const int customWidth = customCount > 0 ? widthOf(row.begin(), row.begin() + customCount) : 0;
    const int commonWidth = widthOf(row.begin() + customCount, row.end());
    int x = GetClientWidth() - (customWidth + commonWidth) - m.HorzSpacingPx - 4;

    int h = 0;
    if (FExpandButton) {
        FExpandButton->SetBounds(m.VertMarginPx, Y, FExpandButton->GetWidth(), FExpandButton->GetHeight());
        h = FExpandButton->GetHeight();
    }
    if (FVerificationCheck) {
        // Never narrower than its caption after the box, or the caption is cut.
        const int captionWidth = FVerifyWidth - 2 * m.VertSpacingPx;
        FVerificationCheck->SetBounds(m.VertMarginPx + 3, Y + h + 4,
                                      std::max(FVerifyWidth - m.VertSpacingPx, captionWidth + kBoxRoomPx),
                                      FVerificationCheck->GetHeight());
    }
    for (plat::TWinControl* button : row) {
        button->SetBounds(x, Y, button->GetWidth(), button->GetHeight());
        x += button->GetWidth() + m.ButtonSpacingPx;
        h = std::max(h, button->GetHeight());
    }
    if (!row.empty())
        FWhiteWindowHeight = Y;

    Bottom = Y;
    if (FVerificationCheck) {
        Bottom += FcmBtnList.empty() ? FVerificationCheck->GetHeight() : h;
        if (FExpandButton)
            Bottom += m.VertSpacingPx;
        Y += std::max(h + m.VertSpacingPx, FVerificationCheck->GetHeight() + m.VertSpacingPx);
    } else {
        Bottom += h;
        if (h > 0)
            Y += h + m.VertSpacingPx;
    }
}

int TVezMessageForm::RowWidthWithoutCommandLinks() const
{
    int width = 0;
    for (const plat::TWinControl* button : FcmBtnList)
        width += button->GetWidth() + FMetrics.ButtonSpacingPx;
    if (!HasCommandLinks())
        for (const plat::TWinControl* button : FcsBtnList)
            width += button->GetWidth() + FMetrics.ButtonSpacingPx;
    return width;
}

int TVezMessageForm::ExpandRowWidth()
{
    if (!FExpandButton)
        return 0;
    const int textWidth =
        std::max(CaptionWidth(FTaskDialog->GetExpandControlText()), CaptionWidth(FTaskDialog->GetCollapsControlText()));
    return FExpandButton->GetWidth() + FMetrics.HorzSpacingPx + textWidth + FMetrics.HorzSpacingPx;
}

void TVezMessageForm::ApplyClientWidth(int Width)
{
    SetClientWidth(std::min(Width, plat::Screen->Width() - 2 * plat::GetSystemMetrics(plat::SM_CYEDGE)));
}

void TVezMessageForm::UpdateDialog()
{
    if (!FTaskDialog)
        return;
    const TCustomVezTaskDialog& dialog = *FTaskDialog;
    const TMessageFormMetrics& m = FMetrics;
    int width = SetDialogCaption();
    const plat::TSize instruction = MeasureInstruction();
    Message->SetCaption(dialog.GetInstruction());
    Message->SetBounds(FHorzParaMargin, Message->GetTop(), instruction.cx, instruction.cy);
    const int textWidth = instruction.cx + (FIcon ? m.HorzSpacingPx + FIcon->GetWidth() : 0);

    // Radio buttons keep the user's choice; only their places follow the new width.
    for (plat::TRadioButton* radio : FRadioList)
        width = std::max(width, FHorzParaMargin + m.HorzMarginPx + CaptionWidth(radio->GetCaption()) +
                                    m.HorzMarginPx + kBoxRoomPx);
    if (FVerificationCheck)
        width = std::max(width, m.HorzMarginPx + CaptionWidth(FVerificationCheck->GetCaption()));

    FFooterXSize = FFooterYSize = 0;
    if (!dialog.GetFooter().empty()) {
        const plat::TSize size = MeasureHtml(dialog.GetFooter(), {m.HorzMarginPx, 0, 300, 26}, 0, false);
        FFooterXSize = size.cx;
        FFooterYSize = size.cy;
    }

    const int rowWidth = RowWidthWithoutCommandLinks() + ExpandRowWidth();
    // Command links keep the width their captions needed when the form was built.
    width = std::max({width, std::max({rowWidth, textWidth, FFooterXSize}) + 2 * m.HorzMarginPx, FMinFormWidth,
                      FCommandLinkWidth});
    ApplyClientWidth(width);
    SetPositions();
    Invalidate();
}

}  // namespace skelda::foundation
