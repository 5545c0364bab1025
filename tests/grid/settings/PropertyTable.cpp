#include "PropertyTable.h"

#include "platform/core/TCollection.h"
#include "grid/support/TIntList.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

#include <sstream>

namespace skelda::grid::testing {

namespace {

// Partners for properties that refer to another component.
plat::TComponent& PartnerA()
{
    static plat::TComponent component(nullptr);
    return component;
}

plat::TComponent& PartnerB()
{
    static plat::TComponent component(nullptr);
    return component;
}

}  // namespace

std::string Text(bool Value) { return Value ? "true" : "false"; }
std::string Text(int Value) { return std::to_string(Value); }
std::string Text(double Value)
{
    std::ostringstream text;
    text << Value;
    return text.str();
}
std::string Text(const std::string& Value) { return '"' + Value + '"'; }
std::string Text(const plat::TComponent* Value)
{
    if (!Value)
        return "nil";
    return Value == &PartnerA() ? "partner A" : Value == &PartnerB() ? "partner B" : "another component";
}

std::string Text(const plat::TFont& Value)
{
    std::string styles;
    for (auto style : {plat::fsBold, plat::fsItalic, plat::fsUnderline, plat::fsStrikeOut})
        styles += Value.GetStyle().Contains(style) ? '1' : '0';
    return Value.GetName() + " " + std::to_string(Value.GetSize()) + "pt " + styles + " " +
           std::to_string(Value.GetColor());
}

std::string Text(const plat::TBitmap& Value)
{
    return std::to_string(Value.GetWidth()) + "x" + std::to_string(Value.GetHeight());
}

std::string Text(const plat::TStrings& Value) { return "[" + Value.GetCommaText() + "]"; }
std::string Text(const TIntList& Value) { return "[" + Value.GetStrValue() + "]"; }
std::string Text(const plat::TCollection& Value) { return std::to_string(Value.Count()) + " items"; }

std::string Text(const TCellReference& Value)
{
    if (Value.IsEmpty())
        return "none";
    if (Value.IsColor())
        return "colour " + std::to_string(Value.GetColor());
    return Value.IsOwned() ? "owned object" : "borrowed object";
}

std::string Text(const TCellVariant& Value)
{
    if (const bool* flag = std::get_if<bool>(&Value))
        return "bool " + Text(*flag);
    if (const int* number = std::get_if<int>(&Value))
        return "int " + Text(*number);
    return "unassigned";
}

bool Other(bool Value) { return !Value; }
int Other(int Value) { return Value + 7; }
double Other(double Value) { return Value + 0.5; }
std::string Other(const std::string& Value) { return Value + "~"; }
plat::TComponent* Other(const plat::TComponent* Value) { return Value == &PartnerA() ? &PartnerB() : &PartnerA(); }
TCellVariant Other(const TCellVariant& Value)
{
    const int* number = std::get_if<int>(&Value);
    return number ? TCellVariant(*number + 1) : TCellVariant(5);
}

void Alter(plat::TFont& Value)
{
    Value.SetSize(Value.GetSize() + 3);
    Value.SetStyle(Value.GetStyle() + plat::TFontStyles{plat::fsItalic});
}

void Alter(plat::TBitmap& Value) { Value.SetSize(Value.GetWidth() + 3, Value.GetHeight() + 2); }
void Alter(plat::TStrings& Value) { Value.Add("changed"); }
void Alter(TIntList& Value) { Value.Add(5); }

void Alter(TCellReference& Value) { Value.SetColor(Value.GetColor() == plat::clRed ? plat::clBlue : plat::clRed); }

}  // namespace skelda::grid::testing
