#pragma once

#include "pager/office/OfficeTypes.h"
#include "pager/office/TNotifyingPersistent.h"

#include <memory>
#include <string>

namespace skelda::foundation {
class TGDIPPicture;
}

namespace skelda::pager {

enum TPagerScrollButton { psbFirst = 0, psbPrevious = 1, psbNext = 2, psbLast = 3 };

// How close buttons on the tabs look: glow buttons like the pager's others, or the chrome
// cross on a disc (TVezPagerButton).
enum TCloseButtonLook { cblOffice = 0, cblChrome = 1 };

// Which of the pager's own buttons are wanted (scroll, page list, closed pages, close, insert),
// with their pictures, hints and size in pixels. Every change fires OnChange, a picture setter
// even when the picture is equal. A next, previous, first or last picture that is changed after
// construction is remembered as the user's: on side tabs the pager then shows it in place of
// the built-in up and down arrows, which are not settable.
class TPageButtonSettings : public TNotifyingPersistent {
public:
    TPageButtonSettings();
    ~TPageButtonSettings() override;

    std::string ClassName() const override { return "TPageButtonSettings"; }

    // The flags, the seven published pictures and the hints; look, insert button and size
    // through their setters. Neither the up and down arrows nor the changed flags are copied,
    // though each copied picture marks its own flag. Another source raises EConvertError.
    void Assign(const plat::TPersistent& Source) override;

    bool GetPageListButton() const { return FPageListButton; }
    void SetPageListButton(bool Value) { Change(FPageListButton, Value); }
    bool GetCloseButton() const { return FCloseButton; }
    void SetCloseButton(bool Value) { Change(FCloseButton, Value); }
    bool GetClosedListButton() const { return FClosedListButton; }
    void SetClosedListButton(bool Value) { Change(FClosedListButton, Value); }
    bool GetScrollButtonsAlways() const { return FScrollButtonsAlways; }
    void SetScrollButtonsAlways(bool Value) { Change(FScrollButtonsAlways, Value); }
    bool GetFirstButton() const { return FFirstButton; }
    void SetFirstButton(bool Value) { Change(FFirstButton, Value); }
    bool GetLastButton() const { return FLastButton; }
    void SetLastButton(bool Value) { Change(FLastButton, Value); }
    bool GetShowInsertButton() const { return FShowInsertButton; }
    void SetShowInsertButton(bool Value) { Change(FShowInsertButton, Value); }
    TCloseButtonLook GetCloseButtonLook() const { return FCloseButtonLook; }
    void SetCloseButtonLook(TCloseButtonLook Value) { Change(FCloseButtonLook, Value); }
    int GetButtonSize() const { return FButtonSize; }
    void SetButtonSize(int Value) { Change(FButtonSize, Value); }

    foundation::TGDIPPicture& CloseButtonPicture() const { return *FCloseButtonPicture; }
    void SetCloseButtonPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& PageListButtonPicture() const { return *FPageListButtonPicture; }
    void SetPageListButtonPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& ClosedListButtonPicture() const { return *FClosedListButtonPicture; }
    void SetClosedListButtonPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& ScrollButtonNextPicture() const { return *FScrollButtonNextPicture; }
    void SetScrollButtonNextPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& ScrollButtonPrevPicture() const { return *FScrollButtonPrevPicture; }
    void SetScrollButtonPrevPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& ScrollButtonFirstPicture() const { return *FScrollButtonFirstPicture; }
    void SetScrollButtonFirstPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& ScrollButtonLastPicture() const { return *FScrollButtonLastPicture; }
    void SetScrollButtonLastPicture(const foundation::TGDIPPicture& Value);
    // The arrows of the scroll buttons when the tabs are on a side.
    const foundation::TGDIPPicture& ScrollButtonDownPicture() const { return *FScrollButtonDownPicture; }
    const foundation::TGDIPPicture& ScrollButtonDownLastPicture() const { return *FScrollButtonDownLastPicture; }
    const foundation::TGDIPPicture& ScrollButtonUpPicture() const { return *FScrollButtonUpPicture; }
    const foundation::TGDIPPicture& ScrollButtonUpFirstPicture() const { return *FScrollButtonUpFirstPicture; }

    // The picture a scroll button shows: its own on top and bottom tabs; on side tabs the
    // built-in up or down arrow unless the user changed the button's picture.
    const foundation::TGDIPPicture& ScrollPicture(TPagerScrollButton Button, TTabPosition Position) const;

    const std::string& GetScrollButtonPrevHint() const { return FScrollButtonPrevHint; }
    void SetScrollButtonPrevHint(const std::string& Value) { Change(FScrollButtonPrevHint, Value); }
    const std::string& GetScrollButtonNextHint() const { return FScrollButtonNextHint; }
    void SetScrollButtonNextHint(const std::string& Value) { Change(FScrollButtonNextHint, Value); }
    const std::string& GetScrollButtonFirstHint() const { return FScrollButtonFirstHint; }
    void SetScrollButtonFirstHint(const std::string& Value) { Change(FScrollButtonFirstHint, Value); }
    const std::string& GetScrollButtonLastHint() const { return FScrollButtonLastHint; }
    void SetScrollButtonLastHint(const std::string& Value) { Change(FScrollButtonLastHint, Value); }
    const std::string& GetCloseButtonHint() const { return FCloseButtonHint; }
    void SetCloseButtonHint(const std::string& Value) { Change(FCloseButtonHint, Value); }
    const std::string& GetPageListButtonHint() const { return FPageListButtonHint; }
    void SetPageListButtonHint(const std::string& Value) { Change(FPageListButtonHint, Value); }
    const std::string& GetClosedListButtonHint() const { return FClosedListButtonHint; }
    void SetClosedListButtonHint(const std::string& Value) { Change(FClosedListButtonHint, Value); }
    const std::string& GetInsertButtonHint() const { return FInsertButtonHint; }
    void SetInsertButtonHint(const std::string& Value) { Change(FInsertButtonHint, Value); }

    // Whether the user changed a scroll picture. A stored form sets the next and previous flags
    // after its pictures are read, so a loaded picture counts as the user's only when stored so.
    bool GetNextPictureChanged() const { return FNextPictureChanged; }
    void SetNextPictureChanged(bool Value) { FNextPictureChanged = Value; }
    bool GetPrevPictureChanged() const { return FPrevPictureChanged; }
    void SetPrevPictureChanged(bool Value) { FPrevPictureChanged = Value; }
    bool GetFirstPictureChanged() const { return FFirstPictureChanged; }
    bool GetLastPictureChanged() const { return FLastPictureChanged; }

private:
    void SetPicture(foundation::TGDIPPicture& Target, const foundation::TGDIPPicture& Value);
    void PictureChanged(plat::TObject* Sender);

    bool FPageListButton = false;
    bool FCloseButton = false;
    std::unique_ptr<foundation::TGDIPPicture> FScrollButtonNextPicture;
    std::unique_ptr<foundation::TGDIPPicture> FScrollButtonPrevPicture;
    std::unique_ptr<foundation::TGDIPPicture> FPageListButtonPicture;
    std::unique_ptr<foundation::TGDIPPicture> FCloseButtonPicture;
    std::string FScrollButtonPrevHint = "Previous";
    std::string FScrollButtonNextHint = "Next";
    std::string FCloseButtonHint = "Close";
    std::string FPageListButtonHint = "Page List";
    bool FScrollButtonsAlways = false;
    std::unique_ptr<foundation::TGDIPPicture> FScrollButtonFirstPicture;
    std::unique_ptr<foundation::TGDIPPicture> FScrollButtonLastPicture;
    std::string FScrollButtonFirstHint = "First";
    std::string FScrollButtonLastHint = "Last";
    bool FLastButton = false;
    bool FFirstButton = false;
    std::string FClosedListButtonHint = "Closed Pages";
    std::unique_ptr<foundation::TGDIPPicture> FClosedListButtonPicture;
    bool FClosedListButton = false;
    TCloseButtonLook FCloseButtonLook = cblOffice;
    int FButtonSize = 18;
    bool FShowInsertButton = false;
    std::string FInsertButtonHint = "Insert new page";
    std::unique_ptr<foundation::TGDIPPicture> FScrollButtonDownPicture;
    std::unique_ptr<foundation::TGDIPPicture> FScrollButtonDownLastPicture;
    std::unique_ptr<foundation::TGDIPPicture> FScrollButtonUpPicture;
    std::unique_ptr<foundation::TGDIPPicture> FScrollButtonUpFirstPicture;
    bool FPrevPictureChanged = false;
    bool FNextPictureChanged = false;
    bool FFirstPictureChanged = false;
    bool FLastPictureChanged = false;
};

}  // namespace skelda::pager
