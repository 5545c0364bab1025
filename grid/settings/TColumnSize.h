#pragma once

#include "platform/core/TPersistent.h"

#include <string>

namespace skelda::grid {

enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TColumnSizeLocation { clRegistry, clIniFile };

// How the grid sizes its columns and where it keeps their widths between runs.
class TColumnSize : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TColumnSize"; }

    // From another TColumnSize: all nine settings. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // Stretch a column so that the columns fill the grid's width.
    bool GetStretch() const { return FStretch; }
    void SetStretch(bool Value) { FStretch = Value; }
    // The column that stretches; -1 for the last one.
    int GetStretchColumn() const { return FStretchColumn; }
    void SetStretchColumn(int Value) { FStretchColumn = Value; }
    // Which rows automatic column sizing measures.
    TAutoSizeRows GetRows() const { return FRows; }
    void SetRows(TAutoSizeRows Value) { FRows = Value; }
    // Save the column widths when the grid goes and load them when it is loaded.
    bool GetSave() const { return FSave; }
    void SetSave(bool Value) { FSave = Value; }
    const std::string& GetKey() const { return FKey; }
    void SetKey(const std::string& Value) { FKey = Value; }
    const std::string& GetSection() const { return FSection; }
    void SetSection(const std::string& Value) { FSection = Value; }
    TColumnSizeLocation GetLocation() const { return FLocation; }
    void SetLocation(TColumnSizeLocation Value) { FLocation = Value; }
    bool GetSynchWithGrid() const { return FSynchWithGrid; }
    void SetSynchWithGrid(bool Value) { FSynchWithGrid = Value; }
    bool GetSynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void SetSynchNormalCellsOnly(bool Value) { FSynchNormalCellsOnly = Value; }

private:
    bool FStretch = false;
    int FStretchColumn = -1;
    TAutoSizeRows FRows = arAll;
    bool FSave = false;
    std::string FKey;
    std::string FSection;
    TColumnSizeLocation FLocation = clRegistry;
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
};

}  // namespace skelda::grid
