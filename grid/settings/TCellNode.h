#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <memory>

namespace plat {
class TBitmap;
}  // namespace plat

namespace skelda::grid {

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// The look of the grid's outline nodes: the glyph kind and colours, the indent per level and the
// tree lines.
class TCellNode : public plat::TPersistent {
public:
    TCellNode();
    ~TCellNode() override;

    std::string ClassName() const override { return "TCellNode"; }

    // From another TCellNode: all ten settings, the glyphs by content. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // Fill of the node box.
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; }
    // Frame and sign of the flat node box.
    plat::TColor GetNodeColor() const { return FNodeColor; }
    void SetNodeColor(plat::TColor Value) { FNodeColor = Value; }
    TNodeType GetNodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value) { FNodeType = Value; }
    // Expanding a node first contracts every other expanded node.
    bool GetExpandOne() const { return FExpandOne; }
    void SetExpandOne(bool Value) { FExpandOne = Value; }
    // Pixels of indent per level.
    int GetNodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value) { FNodeIndent = Value; }
    bool GetShowTree() const { return FShowTree; }
    void SetShowTree(bool Value) { FShowTree = Value; }
    bool GetShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value) { FShowTreeFull = Value; }
    plat::TColor GetTreeColor() const { return FTreeColor; }
    void SetTreeColor(plat::TColor Value) { FTreeColor = Value; }
    // The glyphs of cnGlyph.
    plat::TBitmap& ExpandGlyph() { return *FExpandGlyph; }
    const plat::TBitmap& ExpandGlyph() const { return *FExpandGlyph; }
    void SetExpandGlyph(const plat::TBitmap& Value);
    plat::TBitmap& ContractGlyph() { return *FContractGlyph; }
    const plat::TBitmap& ContractGlyph() const { return *FContractGlyph; }
    void SetContractGlyph(const plat::TBitmap& Value);

private:
    plat::TColor FColor = plat::clSilver;
    plat::TColor FNodeColor = plat::clBlack;
    TNodeType FNodeType = cnXP;
    bool FExpandOne = false;
    int FNodeIndent = 12;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    plat::TColor FTreeColor = plat::clGray;
    std::unique_ptr<plat::TBitmap> FExpandGlyph;
    std::unique_ptr<plat::TBitmap> FContractGlyph;
};

}  // namespace skelda::grid
