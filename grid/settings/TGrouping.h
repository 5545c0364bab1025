#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <string>

namespace skelda::grid {

// The look of grouped rows: header and summary rows, their colours and lines, and what a click on a
// header does.
class TGrouping : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TGrouping"; }

    // From another TGrouping: every setting except Summary and the line colours and widths. Other
    // sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // Merge a header row from its text column to the last column.
    bool GetMergeHeader() const { return FMergeHeader; }
    void SetMergeHeader(bool Value) { FMergeHeader = Value; }
    // Merge a summary row the same way (only with Summary).
    bool GetMergeSummary() const { return FMergeSummary; }
    void SetMergeSummary(bool Value) { FMergeSummary = Value; }
    // Colours are clNone when not set.
    plat::TColor GetHeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(plat::TColor Value) { FHeaderColor = Value; }
    plat::TColor GetHeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(plat::TColor Value) { FHeaderColorTo = Value; }
    plat::TColor GetHeaderTextColor() const { return FHeaderTextColor; }
    void SetHeaderTextColor(plat::TColor Value) { FHeaderTextColor = Value; }
    bool GetHeaderUnderline() const { return FHeaderUnderline; }
    void SetHeaderUnderline(bool Value) { FHeaderUnderline = Value; }
    plat::TColor GetHeaderLineColor() const { return FHeaderLineColor; }
    void SetHeaderLineColor(plat::TColor Value) { FHeaderLineColor = Value; }
    int GetHeaderLineWidth() const { return FHeaderLineWidth; }
    void SetHeaderLineWidth(int Value) { FHeaderLineWidth = Value; }
    // Insert a summary row after each group.
    bool GetSummary() const { return FSummary; }
    void SetSummary(bool Value) { FSummary = Value; }
    plat::TColor GetSummaryColor() const { return FSummaryColor; }
    void SetSummaryColor(plat::TColor Value) { FSummaryColor = Value; }
    plat::TColor GetSummaryColorTo() const { return FSummaryColorTo; }
    void SetSummaryColorTo(plat::TColor Value) { FSummaryColorTo = Value; }
    plat::TColor GetSummaryTextColor() const { return FSummaryTextColor; }
    void SetSummaryTextColor(plat::TColor Value) { FSummaryTextColor = Value; }
    bool GetSummaryLine() const { return FSummaryLine; }
    void SetSummaryLine(bool Value) { FSummaryLine = Value; }
    plat::TColor GetSummaryLineColor() const { return FSummaryLineColor; }
    void SetSummaryLineColor(plat::TColor Value) { FSummaryLineColor = Value; }
    int GetSummaryLineWidth() const { return FSummaryLineWidth; }
    void SetSummaryLineWidth(int Value) { FSummaryLineWidth = Value; }
    // Show a header's row count after its text.
    bool GetShowGroupCount() const { return FShowGroupCount; }
    void SetShowGroupCount(bool Value) { FShowGroupCount = Value; }
    // Format of that count; empty gives " (n)".
    const std::string& GetGroupCountFormat() const { return FGroupCountFormat; }
    void SetGroupCountFormat(const std::string& Value) { FGroupCountFormat = Value; }
    bool GetAutoSelectGroup() const { return FAutoSelectGroup; }
    void SetAutoSelectGroup(bool Value) { FAutoSelectGroup = Value; }
    bool GetAutoCheckGroup() const { return FAutoCheckGroup; }
    void SetAutoCheckGroup(bool Value) { FAutoCheckGroup = Value; }

private:
    bool FMergeHeader = false;
    bool FMergeSummary = false;
    plat::TColor FHeaderColor = plat::clNone;
    plat::TColor FHeaderColorTo = plat::clNone;
    plat::TColor FHeaderTextColor = plat::clNone;
    bool FHeaderUnderline = false;
    plat::TColor FHeaderLineColor = plat::clBlue;
    int FHeaderLineWidth = 2;
    bool FSummary = false;
    plat::TColor FSummaryColor = plat::clNone;
    plat::TColor FSummaryColorTo = plat::clNone;
    plat::TColor FSummaryTextColor = plat::clNone;
    bool FSummaryLine = false;
    plat::TColor FSummaryLineColor = plat::clBlue;
    int FSummaryLineWidth = 2;
    bool FShowGroupCount = false;
    std::string FGroupCountFormat;
    bool FAutoSelectGroup = false;
    bool FAutoCheckGroup = false;
};

}  // namespace skelda::grid
