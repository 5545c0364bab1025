// The mini-HTML entity pass: one linear scan must give what repeated passes (each replacing the
// first occurrence of every entity, until a pass changes nothing) give, for any text.

#include "FuzzSupport.h"

#include "foundation/MiniHtmlMarkup.h"

#include <string>

using skelda::fuzz::Check;
using namespace skelda::foundation::minihtml;

// The rule as written is quadratic; short texts find every interaction of entities.
constexpr std::size_t MaxBytes = 512;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size > MaxBytes)
        return 0;
    const std::string text(reinterpret_cast<const char*>(Data), Size);
    const std::string fast = ExpandEntities(text);
    const std::string literal = ExpandEntitiesByPasses(text);
    Check(fast == literal, "the entity pass differs from the rule", text + " -> " + fast + " | " + literal);
    Check(ExpandRunEntities(fast).size() <= fast.size(), "run entities grew the text");
    return 0;
}
