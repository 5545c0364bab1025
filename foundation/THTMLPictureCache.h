#pragma once

#include "platform/core/TObject.h"

#include <memory>
#include <string>
#include <vector>

namespace skelda::foundation {

class THTMLPicture;

// The pictures a mini-HTML host has loaded for its image tags, found again by their address
// (the picture's ID, compared exactly). A grid owns one and hands it to the mini-HTML renderer,
// which adds what it loads; the cache owns its pictures until ClearPictures or its end.
// Look-ups walk the list: hosts keep a handful of pictures.
class THTMLPictureCache : public plat::TObject {
public:
    THTMLPictureCache();
    ~THTMLPictureCache() override;

    std::string ClassName() const override { return "THTMLPictureCache"; }

    // A new empty picture at the end of the list.
    THTMLPicture& AddPicture();
    // The first picture whose ID equals the text, case included; nullptr when none.
    THTMLPicture* FindPicture(const std::string& ID) const;
    THTMLPicture& GetPicture(int Index) const;
    int Count() const { return static_cast<int>(FPictures.size()); }
    void ClearPictures();
    // One animation tick for every picture; true when any of them changed frame.
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FPictures;
};

}  // namespace skelda::foundation
