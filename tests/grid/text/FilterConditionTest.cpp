#include "ReferenceFilter.h"

#include "grid/text/FilterConditions.h"
#include "grid/text/FilterText.h"
#include "grid/text/TFilterCondition.h"
#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace skelda::grid {
namespace {

struct TLocale {
    const char* Name;
    char Decimal;
    char Thousand;
    char Date;
    const char* ShortDate;
};

constexpr TLocale DecimalPoint{"DecimalPoint", '.', ',', '/', "dd/mm/yyyy"};
constexpr TLocale DecimalComma{"DecimalComma", ',', '.', '.', "dd.mm.yyyy"};

// Runs each case under a locale; the cases write "#" for its decimal separator, "~" for its
// thousand separator and "/" for its date separator.
class FilterConditionTest : public ::testing::TestWithParam<TLocale> {
protected:
    FilterConditionTest() : FSaved(plat::FormatSettings())
    {
        plat::TFormatSettings& settings = plat::FormatSettings();
        settings.DecimalSeparator = GetParam().Decimal;
        settings.ThousandSeparator = GetParam().Thousand;
        settings.DateSeparator = GetParam().Date;
        settings.ShortDateFormat = GetParam().ShortDate;
    }
    ~FilterConditionTest() override { plat::FormatSettings() = FSaved; }

    static std::string Local(std::string Text)
    {
        for (char& c : Text)
            c = c == '#' ? GetParam().Decimal : c == '~' ? GetParam().Thousand : c == '/' ? GetParam().Date : c;
        return Text;
    }

private:
    plat::TFormatSettings FSaved;
};

struct TCase {
    const char* Expression;
    const char* Value;
    bool CaseSensitive;
    bool Matches;
};

// Each answer from the one-off routine, a condition compiled once for the whole table and the
// reference evaluator.
void ExpectAnswers(const std::vector<TCase>& Cases, const std::function<std::string(std::string)>& Local)
{
    for (const TCase& c : Cases) {
        const std::string expression = Local(c.Expression);
        const std::string value = Local(c.Value);
        const TFilterCondition condition(expression, c.CaseSensitive);
        EXPECT_EQ(MatchFilterExpression(expression, value, c.CaseSensitive), c.Matches) << expression << " on " << value;
        EXPECT_EQ(condition.Matches(value), c.Matches) << expression << " compiled, on " << value;
        EXPECT_EQ(reference::Match(expression, value, c.CaseSensitive), c.Matches) << expression << " reference, on " << value;
    }
}

TEST_P(FilterConditionTest, LanguageCases)
{
    ExpectAnswers({
        {">=10", "10", true, true},            {">=10", "10#5", true, true},
        {">=10", "9", true, false},            {">=10", "9#99", true, false},
        {">1~000", "1500", true, true},        {">1~000", "1~500", true, true},
        {">1~000", "999", true, false},        // "999" is above "1,000" as text
        {"<b", "a", true, true},               {"<b", "c", true, false},
        {">1/1/2013", "2/1/2013", true, true}, {">1/1/2013", "9/12/2012", true, false},
        {">=\"31/12/2012 9:00\"", "31/12/2012 10:30", true, true},
        {">=\"31/12/2012 9:00\"", "31/12/2012 8:59", true, false},
        {"A*|B*", "Apple", true, true},        {"A*|B*", "Banana", true, true},
        {"A*|B*", "Cherry", true, false},      {"A*;B*", "Banana", true, true},
        {"A*^B*", "Banana", true, true},
        {"A*&*e", "Apple", true, true},        {"A*&*e", "Apricot", true, false},
        {"!*old*", "new", true, true},         {"!*old*", "gold", true, false},
        {"(>1&<5)|9", "3", true, true},        {"(>1&<5)|9", "9", true, true},
        {"(>1&<5)|9", "7", true, false},       {">1&<5|9", "3", true, true},
        {">1&<5|9", "9", true, true},          {">1&<5|9", "7", true, false},
        {"a|b&c", "a", true, false},           {"a|b&(c|*)", "a", true, true},
        {"?b", "ab", true, true},              {"?b", "b", true, false},
        {"?b", "abc", true, false},
        {"a*", "ABC", false, true},            {"a*", "ABC", true, false},
        {"=abc", "abc", true, true},           {" = a b c ", "abc", true, true},
        {"\"a&b\"", "a&b", true, true},        {"\"a&b\"", "a", true, false},
        {"\"a b\"", "a b", true, true},        {"a b", "ab", true, true},
        {"", "", true, true},                  {"", "x", true, false},
        {"()", "", true, true},                {"(=a)", "a", true, true},
        {"x|(a)b", "a", true, true},           // what follows a group joins nothing
        {">5", "3", true, false},              {">\"a b\"", "a c", true, true},
        {"> 5", "7", true, true},              {">=\"b\"", "b", true, true},
        {">5^<2", "1", true, true},            // "^" and "&" decide only inside a term
    },
                  Local);
}

// Conditions that once never ended or answered wrongly; each pair gives the answer the
// language means.
TEST_P(FilterConditionTest, UnbalancedGroupsDeepNestingAndNegation)
{
    ExpectAnswers({
        {"(a|b", "b", true, true},             // the group takes the rest
        {"x|(a|(b", "b", true, true},          {"(a|b", "c", true, false},
        {"a)", "a)", true, true},
        {"ab", "abc", true, false},            // a pattern used up first fails
        {"!>5", "5", true, true},              {"!>5", "3", true, true},
        {"!>5", "7", true, false},             {"!!a", "a", true, true},
        {"!\"a&b\"", "a&b", true, false},      {"!\"a&b\"", "x", true, true},
        {"a!\"b&c\"", "ab&c", true, false},     // a quoted "&" joins no comparisons
        {"!", "", true, false},                {"a!b", "ab", true, false},
        {"a!b", "x", true, true},              // "!" inside a pattern inverts all of it
        {"?", "é", true, true},                {"é*", "ÉCOLE", false, true},
        {"<ä", "z", true, true},               {"ǆ", "Ǆ", false, true},
    },
                  Local);
    const std::string depth(5000, '(');
    EXPECT_TRUE(MatchFilterExpression(depth + "a" + std::string(5000, ')'), "a", true));
    EXPECT_TRUE(MatchFilterExpression(depth + "a", "a", true));
    EXPECT_FALSE(MatchFilterExpression(depth + "a", "b", true));
}

TEST_P(FilterConditionTest, StarsMatchWithoutBacktracking)
{
    const std::string value(10000, 'a');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(MatchFilterExpression("*a*a*a*a*a*b", value, true));
    EXPECT_TRUE(MatchFilterExpression("*a*a*a*a*a*a", value, true));
    EXPECT_TRUE(MatchFilterExpression("a*?a*a", "aaaa", true));
    EXPECT_FALSE(MatchFilterExpression("a*?a*a", "aaa", true));
    EXPECT_TRUE(MatchFilterExpression("*ab*ab", "abaabab", true));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

// An operand counts its first 255 characters, characters being code points.
TEST_P(FilterConditionTest, OperandsAreCutAt255Characters)
{
    std::string operand;
    for (int i = 0; i < 255; ++i)
        operand += "é";
    EXPECT_TRUE(MatchCondition(">=" + operand + "a", operand + "0"));
    EXPECT_FALSE(MatchCondition(">" + operand + "a", operand + "z"));
    EXPECT_TRUE(MatchCondition("<" + operand, operand.substr(0, operand.size() - 2)));
}

TEST_P(FilterConditionTest, LiteralMatchesExactlyItsValue)
{
    const std::string values[] = {">5",  "!a",     "*",   "a\"b", " x ", "=a", "(a)|b", "",
                                  "?",   "\t",     "a&b", "\xFF", "\xFE", "é",  std::string(300, '>') + "x"};
    for (const std::string& v : values) {
        for (const std::string& w : values) {
            EXPECT_EQ(MatchFilterExpression(FilterLiteral(v), w, true), v == w) << v << " / " << w;
            EXPECT_EQ(reference::Match(FilterLiteral(v), w, true), v == w) << v << " / " << w;
        }
    }
    EXPECT_TRUE(MatchFilterExpression(FilterLiteral("ab*"), "AB*", false));
    EXPECT_FALSE(MatchFilterExpression(FilterLiteral("ab*"), "AB", false));
}

// Every expression of up to three characters over the language's signs, and many longer
// ones, answer as the plain evaluator does.
TEST_P(FilterConditionTest, AgreesWithTheReferenceEvaluator)
{
    const std::u32string alphabet = U"a1*?!()&|^;\"<>= ";
    const std::string values[] = {"", "a", "A", "1", "aa", "a&1", "2", " a", "(a)"};
    const auto check = [&values](const std::u32string& Expression) {
        const std::string expression = FilterText(Expression);
        for (const bool caseSensitive : {true, false}) {
            const TFilterCondition condition(expression, caseSensitive);
            for (const std::string& value : values)
                ASSERT_EQ(condition.Matches(value), reference::Match(expression, value, caseSensitive))
                    << "[" << expression << "] on [" << value << "] case " << caseSensitive;
        }
    };
    std::u32string expression;
    for (std::size_t length = 0; length <= 3; ++length) {
        std::size_t count = 1;
        for (std::size_t i = 0; i < length; ++i)
            count *= alphabet.size();
        for (std::size_t n = 0; n < count; ++n) {
            expression.clear();
            for (std::size_t k = 0, rest = n; k < length; ++k, rest /= alphabet.size())
                expression += alphabet[rest % alphabet.size()];
            check(expression);
        }
    }
    std::mt19937 random(7);
    for (int n = 0; n < 3000; ++n) {
        expression.clear();
        for (std::size_t k = random() % 12; k > 0; --k)
            expression += alphabet[random() % alphabet.size()];
        check(expression);
    }
}

TEST_P(FilterConditionTest, QuoteRoutines)
{
    EXPECT_EQ(RemoveUnquotedSpaces(std::string_view(" a \" b \" c ")), "a\" b \"c");
    int position = -1;
    EXPECT_EQ(FindFirstSeparatorOutsideQuotes(std::string_view("é\"&\"|&"), U"&|", position), U'|');
    EXPECT_EQ(position, 5);
    EXPECT_EQ(FindFirstSeparatorOutsideQuotes(std::string_view("\"a&b"), U"&", position), U'\0');
    EXPECT_EQ(position, 0);
}

INSTANTIATE_TEST_SUITE_P(Locales, FilterConditionTest, ::testing::Values(DecimalPoint, DecimalComma),
                         [](const ::testing::TestParamInfo<TLocale>& Info) { return std::string(Info.param.Name); });

}  // namespace
}  // namespace skelda::grid
