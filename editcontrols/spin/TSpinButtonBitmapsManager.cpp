#include "editcontrols/spin/TSpinButtonBitmapsManager.h"

#include "editcontrols/spin/TSpinButtonBitmaps.h"

#include <algorithm>
#include <tuple>

namespace skelda::editcontrols {

namespace {

std::unique_ptr<TSpinButtonBitmapsManager>& TheManager()
{
    static std::unique_ptr<TSpinButtonBitmapsManager> manager;
    return manager;
}

auto KeyOf(int WidthPx, int HeightPx, TKvSpinButtonStyle Style, bool CustomGlyphs)
{
    return std::make_tuple(WidthPx, HeightPx, static_cast<int>(Style), CustomGlyphs);
}

auto KeyOf(const TSpinButtonBitmaps& Set)
{
    return KeyOf(Set.GetWidth(), Set.GetHeight(), Set.GetStyle(), Set.GetCustomGlyphs());
}

}  // namespace

TSpinButtonBitmapsManager::TSpinButtonBitmapsManager() = default;

TSpinButtonBitmapsManager::~TSpinButtonBitmapsManager() = default;

void TSpinButtonBitmapsManager::RemoveClient()
{
    if (--FClientCount <= 0 && TheManager().get() == this)
        TheManager().reset();
}

TSpinButtonBitmaps& TSpinButtonBitmapsManager::WantButtons(int WidthPx, int HeightPx, bool CustomGlyphs,
                                                           TKvSpinButtonStyle Style)
{
    const auto key = KeyOf(WidthPx, HeightPx, Style, CustomGlyphs);
    const auto place = std::lower_bound(FList.begin(), FList.end(), key,
                                        [](const auto& Set, const auto& Key) { return KeyOf(*Set) < Key; });
    if (place != FList.end() && KeyOf(**place) == key)
        return **place;
    auto set = std::make_unique<TSpinButtonBitmaps>(*this, WidthPx, HeightPx, Style, CustomGlyphs);
    return **FList.insert(place, std::move(set));
}

void TSpinButtonBitmapsManager::Forget(TSpinButtonBitmaps* Set)
{
    std::erase_if(FList, [Set](const auto& Held) { return Held.get() == Set; });
}

TSpinButtonBitmapsManager& BitmapsManager()
{
    auto& manager = TheManager();
    if (!manager)
        manager = std::make_unique<TSpinButtonBitmapsManager>();
    return *manager;
}

TSpinButtonBitmapsManager* ExistingBitmapsManager()
{
    return TheManager().get();
}

}  // namespace skelda::editcontrols
