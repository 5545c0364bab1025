#pragma once

namespace plat {
class TComponent;
class TCustomForm;
}

namespace skelda::pager {

class TVezOfficePage;

// What a pager's shortcut hints ask of the pager whose tabs they stand beside. The pager answers
// in the program; keeping the questions this narrow keeps typing and hiding the hints apart from
// the rest of the pager.
class IShortCutHintHost {
public:
    virtual ~IShortCutHintHost() = default;

    // The pages in tab order.
    virtual int HintPageCount() const = 0;
    virtual TVezOfficePage& HintPage(int Index) const = 0;
    // The page at Index was chosen by its hint (the hints are hidden already).
    virtual void ShortCutChosen(int Index) = 0;
    // The form whose clicks, moves, resizes, minimizing and maximizing hide the hints; nil when
    // none is watched (in the designer, or without a form).
    virtual plat::TCustomForm* HintForm() const = 0;
    // Owns the hint windows, and frees those still left as it goes.
    virtual plat::TComponent& HintWindowOwner() = 0;
    // The pager is on its way out: what its form does changes nothing any more.
    virtual bool HintHostDestroying() const = 0;
};

}  // namespace skelda::pager
