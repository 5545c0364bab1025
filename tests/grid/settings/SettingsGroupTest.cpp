#include "PropertyTable.h"

#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace skelda::grid::testing {
namespace {

class SettingsGroupTest : public ::testing::TestWithParam<TGroupCase> {};
class SettingsNoticeTest : public ::testing::TestWithParam<TGroupCase> {};

std::string CaseName(const ::testing::TestParamInfo<TGroupCase>& Info) { return Info.param.Name; }

std::vector<TGroupCase> AllCases()
{
    std::vector<TGroupCase> cases = GridGroupCases();
    for (auto family : {DataExchangeGroupCases, LookGroupCases}) {
        std::vector<TGroupCase> more = family();
        cases.insert(cases.end(), more.begin(), more.end());
    }
    return cases;
}

std::vector<TGroupCase> CasesWithNotices()
{
    std::vector<TGroupCase> cases = AllCases();
    std::erase_if(cases, [](const TGroupCase& Case) { return !Case.Listen; });
    return cases;
}

TEST_P(SettingsGroupTest, StartsWithTheDocumentedValues)
{
    const TGroupCase& group = GetParam();
    const auto object = group.Make();
    for (const TProperty& property : group.Properties)
        EXPECT_EQ(property.Read(*object), property.Default) << property.Name;
}

TEST_P(SettingsGroupTest, AssignCopiesTheDocumentedProperties)
{
    const TGroupCase& group = GetParam();
    const auto source = group.Make();
    for (const TProperty& property : group.Properties)
        if (property.Change)
            property.Change(*source);
    const auto target = group.Make();

    if (!group.HasAssign) {
        EXPECT_THROW(target->Assign(*source), plat::EConvertError);
        return;
    }
    target->Assign(*source);
    for (const TProperty& property : group.Properties) {
        if (property.Change) {
            ASSERT_NE(property.Read(*source), property.Default) << property.Name << " did not change";
        }
        const std::string expected =
            group.NotCopied.contains(property.Name) ? property.Default : property.Read(*source);
        EXPECT_EQ(property.Read(*target), expected) << property.Name;
    }
}

TEST_P(SettingsGroupTest, AssignFromAnotherClassChangesNothing)
{
    const TGroupCase& group = GetParam();
    const auto object = group.Make();
    plat::TStringList stranger;
    stranger.Add("x");

    if (!group.HasAssign || group.Foreign == TForeignSource::Raises) {
        EXPECT_THROW(object->Assign(stranger), plat::EConvertError);
    } else {
        object->Assign(stranger);
    }
    for (const TProperty& property : group.Properties)
        EXPECT_EQ(property.Read(*object), property.Default) << property.Name;
}

TEST_P(SettingsNoticeTest, ReportsExactlyTheDocumentedChanges)
{
    const TGroupCase& group = GetParam();
    for (const TProperty& property : group.Properties) {
        if (!property.Change)
            continue;
        const auto object = group.Make();
        if (group.Prepare)
            group.Prepare(*object);
        int notices = 0;
        group.Listen(*object, [&notices] { ++notices; });

        const bool always = group.NotifyingAlways.contains(property.Name);
        property.Change(*object);
        EXPECT_EQ(notices, always || group.Notifying.contains(property.Name) ? 1 : 0)
            << property.Name << " changed";
        if (property.Rewrite) {
            notices = 0;
            property.Rewrite(*object);
            EXPECT_EQ(notices, always ? 1 : 0) << property.Name << " written unchanged";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, SettingsGroupTest, ::testing::ValuesIn(AllCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Groups, SettingsNoticeTest, ::testing::ValuesIn(CasesWithNotices()), CaseName);

}  // namespace
}  // namespace skelda::grid::testing
