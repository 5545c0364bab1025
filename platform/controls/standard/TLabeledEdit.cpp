#include "platform/controls/standard/TLabeledEdit.h"

#include "platform/controls/standard/TLabel.h"

namespace plat {

// The label of a labelled edit: when its size changes (caption, font), the edit places it
// again.
class TLabeledEdit::TBoundLabel : public TLabel {
public:
    explicit TBoundLabel(TLabeledEdit* Edit) : TLabel(Edit), FEdit(Edit) {}

    std::string ClassName() const override { return "TBoundLabel"; }

    void Dispatch(TMessage& Message) override
    {
        TLabel::Dispatch(Message);
        if (Message.Msg == WM_SIZE && !IsDestroying())
            FEdit->PlaceLabel();
    }

private:
    TLabeledEdit* FEdit;
};

TLabeledEdit::TLabeledEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    FEditLabel = new TBoundLabel(this);
    FEditLabel->SetFocusControl(this);
}

TLabeledEdit::~TLabeledEdit()
{
    delete FEditLabel;
}

void TLabeledEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FEditLabel)
        FEditLabel = nullptr;
}

void TLabeledEdit::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    PlaceLabel();
}

void TLabeledEdit::SetLabelSpacing(int Value)
{
    FLabelSpacing = Value;
    PlaceLabel();
}

void TLabeledEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceLabel();
}

void TLabeledEdit::SetParent(TWinControl* AParent)
{
    TCustomEdit::SetParent(AParent);
    if (FEditLabel) {
        FEditLabel->SetParent(AParent);
        FEditLabel->SetVisible(GetVisible());
    }
    PlaceLabel();
}

void TLabeledEdit::PlaceLabel()
{
    if (!FEditLabel)
        return;
    const int width = FEditLabel->GetWidth();
    const int height = FEditLabel->GetHeight();
    const int besideTop = GetTop() + (GetHeight() - height) / 2;
    switch (FLabelPosition) {
    case lpAbove:
        FEditLabel->SetBounds(GetLeft(), GetTop() - height - FLabelSpacing, width, height);
        break;
    case lpBelow:
        FEditLabel->SetBounds(GetLeft(), GetTop() + GetHeight() + FLabelSpacing, width, height);
        break;
    case lpLeft:
        FEditLabel->SetBounds(GetLeft() - width - FLabelSpacing, besideTop, width, height);
        break;
    case lpRight:
        FEditLabel->SetBounds(GetLeft() + GetWidth() + FLabelSpacing, besideTop, width, height);
        break;
    }
}

void TLabeledEdit::Dispatch(TMessage& Message)
{
    TCustomEdit::Dispatch(Message);
    if (!FEditLabel)
        return;
    if (Message.Msg == CM_VISIBLECHANGED)
        FEditLabel->SetVisible(GetVisible());
    else if (Message.Msg == CM_ENABLEDCHANGED)
        FEditLabel->SetEnabled(GetEnabled());
}

}  // namespace plat
