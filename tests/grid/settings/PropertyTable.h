#pragma once

// Tables of the documented properties of settings objects: each row reads a property as text,
// holds the text of its documented default and knows how to change it. The generic tests of
// SettingsGroupTest check defaults, Assign and change notices against these rows.

#include "grid/support/TCellGraphic.h"
#include "platform/core/TPersistent.h"

#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace plat {
class TCollection;
class TBitmap;
class TComponent;
class TFont;
class TStrings;
}  // namespace plat

namespace skelda::grid {
class TIntList;
}  // namespace skelda::grid

namespace skelda::grid::testing {

std::string Text(bool Value);
std::string Text(int Value);
std::string Text(double Value);
std::string Text(const std::string& Value);
std::string Text(const plat::TComponent* Value);
std::string Text(const plat::TFont& Value);
std::string Text(const plat::TBitmap& Value);
std::string Text(const plat::TStrings& Value);
std::string Text(const TIntList& Value);
std::string Text(const plat::TCollection& Value);
std::string Text(const TCellReference& Value);
std::string Text(const TCellVariant& Value);
template <typename E>
    requires std::is_enum_v<E>
std::string Text(E Value)
{
    return Text(static_cast<int>(Value));
}

// A value other than Value, of the same type.
bool Other(bool Value);
int Other(int Value);
double Other(double Value);
std::string Other(const std::string& Value);
plat::TComponent* Other(const plat::TComponent* Value);
TCellVariant Other(const TCellVariant& Value);
template <typename E>
    requires std::is_enum_v<E>
E Other(E Value)
{
    return static_cast<E>(static_cast<int>(Value) == 0 ? 1 : 0);
}

// Changes an object in place, visibly to its Text.
void Alter(plat::TFont& Value);
void Alter(plat::TBitmap& Value);
void Alter(plat::TStrings& Value);
void Alter(TIntList& Value);
void Alter(TCellReference& Value);

// A changed copy of an object, for setters that copy their argument.
template <typename T>
std::unique_ptr<T> Altered(const T& Value)
{
    auto copy = std::make_unique<T>();
    copy->Assign(Value);
    Alter(*copy);
    return copy;
}

// The text of a new object of type T: the default of a property holding a fresh object.
template <typename T>
std::string FreshText()
{
    return Text(*std::make_unique<T>());
}

struct TProperty {
    std::string Name;
    std::string Default;
    std::function<std::string(const plat::TPersistent&)> Read;
    // Sets a value other than the present one; empty for read-only properties.
    std::function<void(plat::TPersistent&)> Change;
    // Writes the present value again; empty where a write cannot repeat a value (objects).
    std::function<void(plat::TPersistent&)> Rewrite;
};

template <typename C, typename D, typename G, typename S>
TProperty Value(std::string Name, const D& Default, G Get, S Set)
{
    using V = std::decay_t<std::invoke_result_t<G, const C&>>;
    return {std::move(Name), Text(static_cast<V>(Default)),
            [Get](const plat::TPersistent& Object) { return Text(Get(dynamic_cast<const C&>(Object))); },
            [Get, Set](plat::TPersistent& Object) {
                auto& object = dynamic_cast<C&>(Object);
                Set(object, static_cast<V>(Other(Get(object))));
            },
            [Get, Set](plat::TPersistent& Object) {
                auto& object = dynamic_cast<C&>(Object);
                Set(object, static_cast<V>(Get(object)));
            }};
}

template <typename C, typename D, typename G>
TProperty ReadOnly(std::string Name, const D& Default, G Get)
{
    using V = std::decay_t<std::invoke_result_t<G, const C&>>;
    return {std::move(Name), Text(static_cast<V>(Default)),
            [Get](const plat::TPersistent& Object) { return Text(Get(dynamic_cast<const C&>(Object))); },
            {}, {}};
}

template <typename C, typename G, typename A>
TProperty Object(std::string Name, std::string DefaultText, G Get, A Change)
{
    return {std::move(Name), std::move(DefaultText),
            [Get](const plat::TPersistent& Object) { return Text(Get(dynamic_cast<const C&>(Object))); },
            [Change](plat::TPersistent& Object) { Change(dynamic_cast<C&>(Object)); },
            {}};
}

// Rows of a table for class C (declare "using C = <class>;" before the table).
#define SKELDA_PROP(Name, Default)                                                                    \
    ::skelda::grid::testing::Value<C>(                                                                \
        #Name, Default, [](const C& o) -> decltype(auto) { return o.Get##Name(); },                  \
        [](C& o, const auto& v) { o.Set##Name(v); })
#define SKELDA_NESTED(Part, Name, Default)                                                            \
    ::skelda::grid::testing::Value<C>(                                                                \
        #Part "." #Name, Default, [](const C& o) -> decltype(auto) { return o.Part().Get##Name(); },  \
        [](C& o, const auto& v) { o.Part().Set##Name(v); })
#define SKELDA_READONLY(Name, Default)                                                                \
    ::skelda::grid::testing::ReadOnly<C>(#Name, Default, [](const C& o) -> decltype(auto) { return o.Get##Name(); })
// An owned object whose setter copies its argument.
#define SKELDA_OBJECT(Name, DefaultText)                                                              \
    ::skelda::grid::testing::Object<C>(                                                               \
        #Name, DefaultText, [](const C& o) -> decltype(auto) { return o.Name(); },                    \
        [](C& o) { o.Set##Name(*::skelda::grid::testing::Altered(o.Name())); })
// An owned object without a setter, changed in place.
#define SKELDA_OWNED(Name, DefaultText)                                                               \
    ::skelda::grid::testing::Object<C>(                                                               \
        #Name, DefaultText, [](const C& o) -> decltype(auto) { return o.Name(); },                    \
        [](C& o) { ::skelda::grid::testing::Alter(o.Name()); })

// How Assign treats a source of another class.
enum class TForeignSource { Ignored, Raises };

struct TGroupCase {
    std::string Name{};
    std::function<std::unique_ptr<plat::TPersistent>()> Make{};
    std::vector<TProperty> Properties{};
    // False for classes without an Assign of their own: theirs raises for every source.
    bool HasAssign = true;
    std::set<std::string> NotCopied{};
    TForeignSource Foreign = TForeignSource::Ignored;
    // Wires a counter to the class's notice event; empty for classes without one.
    std::function<void(plat::TPersistent&, std::function<void()>)> Listen{};
    // Properties whose change of value is reported, and those reported on every write.
    std::set<std::string> Notifying{};
    std::set<std::string> NotifyingAlways{};
    // Brings a new object into the state the notice rules are stated for.
    std::function<void(plat::TPersistent&)> Prepare{};
};

// Test names and failure messages show a case by its name.
inline void PrintTo(const TGroupCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

template <typename C, typename... Args>
std::function<std::unique_ptr<plat::TPersistent>()> Make(Args... args)
{
    return [=] { return std::make_unique<C>(args...); };
}

template <typename C>
std::function<void(plat::TPersistent&, std::function<void()>)> ListenTo(std::function<void(plat::TObject*)> C::*Event)
{
    return [Event](plat::TPersistent& Object, std::function<void()> Count) {
        dynamic_cast<C&>(Object).*Event = [Count](plat::TObject*) { Count(); };
    };
}

// The cases of each family of settings objects.
std::vector<TGroupCase> GridGroupCases();
std::vector<TGroupCase> DataExchangeGroupCases();
std::vector<TGroupCase> LookGroupCases();

}  // namespace skelda::grid::testing
