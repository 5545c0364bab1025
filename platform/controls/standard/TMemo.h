#pragma once

#include "platform/controls/standard/TCustomEdit.h"

#include <memory>

namespace plat {

class TStrings;

// A multi-line edit field on Qt's plain text edit. Text separates lines with CR LF; Lines is
// the same text line by line (a final line break starts no line). Inside the field a line
// break is one character: selections and MaxLength count it once. Enter starts a new line
// unless WantReturns is off (the form's default button gets it then); Tab types a tab only
// with WantTabs.
class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    std::string ClassName() const override { return "TMemo"; }

    std::string GetText() const override;
    // Accepts CR LF, LF or CR between lines.
    void SetText(const std::string& Value) override;

    TStrings& Lines();
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TScrollStyle GetScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool GetWantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool GetWantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

protected:
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateWnd() override;
    bool IsMultiLine() const override { return true; }
    std::string FitPastedText(const std::string& Text) const override;

private:
    class TMemoStrings;
    friend class TMemoStrings;

    void ApplyWrapAndBars();

    std::unique_ptr<TMemoStrings> FLines;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
};

}  // namespace plat
