#pragma once

#include "platform/core/TCollectionItem.h"

#include <string>

namespace skelda::grid {

// What the header and footer buttons of a drop-down have in common. Caption, Enabled and Width
// report their changes to the collection (so the bar can rebuild its buttons); ImageIndex and
// Height are plain values.
class TDropDownBarButton : public plat::TCollectionItem {
public:
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // 0 sizes the button to its content.
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value);
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }

protected:
    // Copies the five common properties through their setters.
    void AssignButton(const TDropDownBarButton& Source);

private:
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FWidth = 0;
    int FHeight = 0;
};

}  // namespace skelda::grid
