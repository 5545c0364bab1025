#pragma once

#include "platform/controls/standard/TCustomEdit.h"

namespace plat {

class TLabel;

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

// An edit field with its own label: the label sits LabelSpacing pixels above, below, left or
// right of the field (centred on it beside it), on the same parent, shown and enabled with it,
// and its accelerator focuses the field. The label belongs to the field and goes with it.
class TLabeledEdit : public TCustomEdit {
public:
    explicit TLabeledEdit(TComponent* AOwner);
    ~TLabeledEdit() override;

    std::string ClassName() const override { return "TLabeledEdit"; }

    TLabel& EditLabel() { return *FEditLabel; }
    TLabelPosition GetLabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int GetLabelSpacing() const { return FLabelSpacing; }
    void SetLabelSpacing(int Value);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;

    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    class TBoundLabel;

    void PlaceLabel();

    TLabel* FEditLabel = nullptr;
    TLabelPosition FLabelPosition = lpAbove;
    int FLabelSpacing = 3;
};

}  // namespace plat
