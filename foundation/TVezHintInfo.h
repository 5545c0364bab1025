#pragma once

#include "platform/core/TPersistent.h"

#include <memory>
#include <string>

namespace plat {
class TStringList;
class TStrings;
}  // namespace plat

namespace skelda::foundation {

class TGDIPPicture;

// The title, notes and picture of an office-style hint, which controls own and show as their
// hint.
class TVezHintInfo : public plat::TPersistent {
public:
    TVezHintInfo();
    ~TVezHintInfo() override;

    std::string ClassName() const override { return "TVezHintInfo"; }

    // From another TVezHintInfo: every setting, the notes and the picture by value. Other
    // sources are ignored.
    void Assign(const plat::TPersistent& Source) override;
    // True when there is neither a title nor notes text; the picture and ShowHelp do not count.
    bool IsEmpty() const;

    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    plat::TStringList& Notes() { return *FNotes; }
    const plat::TStringList& Notes() const { return *FNotes; }
    // Copies the lines of Value.
    void SetNotes(const plat::TStrings& Value);
    bool GetShowHelp() const { return FShowHelp; }
    void SetShowHelp(bool Value) { FShowHelp = Value; }
    TGDIPPicture& Picture() { return *FPicture; }
    const TGDIPPicture& Picture() const { return *FPicture; }
    // Copies the picture of Value.
    void SetPicture(const TGDIPPicture& Value);
    // The title and notes kept for hosts that hand over their texts separately.
    const std::string& GetWideTitle() const { return FWideTitle; }
    void SetWideTitle(const std::string& Value) { FWideTitle = Value; }
    const std::string& GetWideNotes() const { return FWideNotes; }
    void SetWideNotes(const std::string& Value) { FWideNotes = Value; }

private:
    std::unique_ptr<TGDIPPicture> FPicture;
    bool FShowHelp = false;
    std::unique_ptr<plat::TStringList> FNotes;
    std::string FTitle;
    std::string FWideTitle;
    std::string FWideNotes;
};

}  // namespace skelda::foundation
