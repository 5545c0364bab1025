#pragma once

namespace skelda::grid {

// What the look settings ask of their grid when one changes: a repaint of the grid or of the
// cell that shows the row indicator, and whether the repaint had better wait for the end of an
// update block or of loading.
class TLookSettingsHost {
public:
    virtual void RepaintGrid() = 0;
    virtual void RepaintRowIndicator() = 0;
    virtual bool IsUpdating() const = 0;
    virtual bool IsLoading() const = 0;

protected:
    ~TLookSettingsHost() = default;
};

}  // namespace skelda::grid
