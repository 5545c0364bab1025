#pragma once

#include "platform/core/TComponent.h"

#include <string>
#include <vector>

namespace plat {

class TCustomAction;
class TImageList;

// The actions of a form, with the image lists their image indexes point into: Images for the
// enabled look and, where a set of disabled pictures exists, DisabledImages. The list does not
// own its actions; an action freed leaves it, and an image list freed is dropped.
class TCustomActionList : public TComponent {
public:
    explicit TCustomActionList(TComponent* AOwner);
    ~TCustomActionList() override;

    std::string ClassName() const override { return "TCustomActionList"; }

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    // Raises EListError for an index outside 0 .. ActionCount() - 1.
    TCustomAction* Actions(int Index) const;

    TImageList* GetImages() const { return FImages; }
    void SetImages(TImageList* Value);
    TImageList* GetDisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TImageList* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TCustomAction;
    void AddAction(TCustomAction* Action);
    void RemoveAction(TCustomAction* Action);
    void SetImageList(TImageList*& Field, TImageList* Value);

    std::vector<TCustomAction*> FActions;
    TImageList* FImages = nullptr;
    TImageList* FDisabledImages = nullptr;
};

}  // namespace plat
