#include "grid/settings/TCellNode.h"

#include "platform/graphics/TBitmap.h"

namespace skelda::grid {

TCellNode::TCellNode()
    : FExpandGlyph(std::make_unique<plat::TBitmap>())
    , FContractGlyph(std::make_unique<plat::TBitmap>())
{
}

TCellNode::~TCellNode() = default;

void TCellNode::SetExpandGlyph(const plat::TBitmap& Value)
{
    FExpandGlyph->Assign(Value);
}

void TCellNode::SetContractGlyph(const plat::TBitmap& Value)
{
    FContractGlyph->Assign(Value);
}

void TCellNode::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TCellNode*>(&Source);
    if (!source)
        return;
    FColor = source->FColor;
    FNodeColor = source->FNodeColor;
    FNodeType = source->FNodeType;
    FExpandGlyph->Assign(*source->FExpandGlyph);
    FContractGlyph->Assign(*source->FContractGlyph);
    FExpandOne = source->FExpandOne;
    FNodeIndent = source->FNodeIndent;
    FShowTree = source->FShowTree;
    FShowTreeFull = source->FShowTreeFull;
    FTreeColor = source->FTreeColor;
}

}  // namespace skelda::grid
