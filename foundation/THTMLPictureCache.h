#pragma once

#include "platform/core/TObject.h"

namespace skelda::foundation {

// The pictures a mini-HTML host has loaded for its image tags, found again by their address.
// A grid owns one and hands it to the mini-HTML renderer; the pictures and their look-up come
// with the mini-HTML picture class.
class THTMLPictureCache : public plat::TObject {
public:
    std::string ClassName() const override { return "THTMLPictureCache"; }
};

}  // namespace skelda::foundation
