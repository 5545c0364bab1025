#pragma once

#include "platform/core/TObject.h"

#include <functional>

namespace plat {

class TImageList;

// One listener on an image list's changes, so that several controls can follow one list
// (TImageList::RegisterChanges). The list calls Change after every change of its pictures or
// size, and OnChange runs with the list as sender. A link freed leaves its list; a list freed
// leaves its links without a sender.
class TChangeLink : public TObject {
public:
    TChangeLink() = default;
    ~TChangeLink() override;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    std::string ClassName() const override { return "TChangeLink"; }

    // The list the link is registered with, or nullptr.
    TImageList* GetSender() const { return FSender; }
    virtual void Change();

    std::function<void(TObject* Sender)> OnChange;

private:
    friend class TImageList;
    TImageList* FSender = nullptr;
};

}  // namespace plat
