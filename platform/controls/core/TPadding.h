#pragma once

#include "platform/core/TPersistent.h"
#include "platform/core/Types.h"

#include <functional>
#include <string>

namespace plat {

// Room in pixels a windowed control keeps clear inside its client area on each side: its
// aligned children share what is left. Negative values count as 0. A change calls the owner
// back (which aligns its children again).
class TPadding : public TPersistent {
public:
    explicit TPadding(std::function<void()> OnChange) : FOnChange(std::move(OnChange)) {}
    std::string ClassName() const override { return "TPadding"; }

    int GetLeft() const { return FLeft; }
    int GetTop() const { return FTop; }
    int GetRight() const { return FRight; }
    int GetBottom() const { return FBottom; }
    void SetLeft(int Value) { Change(FLeft, Value); }
    void SetTop(int Value) { Change(FTop, Value); }
    void SetRight(int Value) { Change(FRight, Value); }
    void SetBottom(int Value) { Change(FBottom, Value); }

    // Rect less the padding, never turned inside out.
    TRect Inside(const TRect& Rect) const;
    void Assign(const TPersistent& Source) override;

private:
    void Change(int& Field, int Value);

    std::function<void()> FOnChange;
    int FLeft = 0;
    int FTop = 0;
    int FRight = 0;
    int FBottom = 0;
};

}  // namespace plat
