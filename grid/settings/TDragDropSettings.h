#pragma once

#include "platform/core/TPersistent.h"

namespace skelda::grid {

// What can be dragged out of the grid and dropped on it.
class TDragDropSettings : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TDragDropSettings"; }

    // From another TDragDropSettings: all fifteen switches as plain values. Other sources are
    // ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetOleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool Value) { FOleDropTarget = Value; }
    bool GetOleDropSource() const { return FOleDropSource; }
    void SetOleDropSource(bool Value) { FOleDropSource = Value; }
    bool GetOleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool Value) { FOleDropRTF = Value; }
    bool GetOleAcceptText() const { return FOleAcceptText; }
    void SetOleAcceptText(bool Value) { FOleAcceptText = Value; }
    bool GetOleAcceptFiles() const { return FOleAcceptFiles; }
    void SetOleAcceptFiles(bool Value) { FOleAcceptFiles = Value; }
    bool GetOleAcceptURLs() const { return FOleAcceptURLs; }
    void SetOleAcceptURLs(bool Value) { FOleAcceptURLs = Value; }
    bool GetOleEntireRows() const { return FOleEntireRows; }
    void SetOleEntireRows(bool Value) { FOleEntireRows = Value; }
    bool GetOleAppendRows() const { return FOleAppendRows; }
    void SetOleAppendRows(bool Value) { FOleAppendRows = Value; }
    bool GetOleInsertRows() const { return FOleInsertRows; }
    void SetOleInsertRows(bool Value) { FOleInsertRows = Value; }
    bool GetOleRemoveRows() const { return FOleRemoveRows; }
    void SetOleRemoveRows(bool Value) { FOleRemoveRows = Value; }
    bool GetOleCopyAlways() const { return FOleCopyAlways; }
    void SetOleCopyAlways(bool Value) { FOleCopyAlways = Value; }
    bool GetOleColumnDragDrop() const { return FOleColumnDragDrop; }
    void SetOleColumnDragDrop(bool Value) { FOleColumnDragDrop = Value; }
    bool GetOleColumnReorder() const { return FOleColumnReorder; }
    void SetOleColumnReorder(bool Value) { FOleColumnReorder = Value; }
    bool GetOleColumnsOnly() const { return FOleColumnsOnly; }
    void SetOleColumnsOnly(bool Value) { FOleColumnsOnly = Value; }
    bool GetShowCells() const { return FShowCells; }
    void SetShowCells(bool Value) { FShowCells = Value; }

private:
    bool FOleDropTarget = false;
    bool FOleDropSource = false;
    bool FOleDropRTF = false;
    bool FOleAcceptText = true;
    bool FOleAcceptFiles = true;
    bool FOleAcceptURLs = true;
    bool FOleEntireRows = false;
    bool FOleAppendRows = false;
    bool FOleInsertRows = false;
    bool FOleRemoveRows = false;
    bool FOleCopyAlways = false;
    bool FOleColumnDragDrop = false;
    bool FOleColumnReorder = false;
    bool FOleColumnsOnly = false;
    bool FShowCells = true;
};

}  // namespace skelda::grid
