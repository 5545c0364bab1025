#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace plat;

namespace {

std::vector<std::string> Lines(const TStrings& list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list.GetStrings(i));
    return lines;
}

void Fill(TStrings& list, const std::vector<std::string>& lines)
{
    list.Clear();
    for (const std::string& line : lines)
        list.Add(line);
}

// Counts its own deletions so that ownership faults show as a count, not only under ASan.
class TCounted : public TObject {
public:
    explicit TCounted(int& deletions) : FDeletions(deletions) {}
    ~TCounted() override { ++FDeletions; }

private:
    int& FDeletions;
};

class TempFolder {
public:
    TempFolder()
        : FPath(std::filesystem::temp_directory_path() /
                ("skelda-strings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::create_directories(FPath);
    }
    ~TempFolder() { std::filesystem::remove_all(FPath); }
    std::string File(const std::string& name) const { return (FPath / name).string(); }

private:
    std::filesystem::path FPath;
};

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST(StringList, SortedListsHandleDuplicatesAsConfigured)
{
    struct Case {
        TDuplicates duplicates;
        std::vector<std::string> expected;
        bool raises;
    };
    const Case cases[] = {
        {dupIgnore, {"apple", "Pear", "zebra"}, false},
        {dupAccept, {"apple", "PEAR", "Pear", "zebra"}, false},
        {dupError, {"apple", "Pear", "zebra"}, true},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.duplicates);
        for (const char* s : {"zebra", "Pear", "apple"})
            list.Add(s);
        if (c.raises) {
            try {
                list.Add("PEAR");
                ADD_FAILURE() << "no error for a duplicate";
            } catch (const EStringListError& e) {
                EXPECT_EQ(e.Message(), "String list does not allow duplicates");
            }
        } else {
            const int index = list.Add("PEAR");
            EXPECT_EQ(list.GetStrings(index), c.duplicates == dupIgnore ? "Pear" : "PEAR");
        }
        EXPECT_EQ(Lines(list), c.expected) << c.duplicates;
    }
}

TEST(StringList, CaseSensitivityDecidesOrderAndLookUp)
{
    TStringList list;
    Fill(list, {"b", "B", "A", "a", "é", "E"});
    list.SetCaseSensitive(true);
    list.SetSorted(true);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "A", "b", "B", "E", "é"}));
    EXPECT_EQ(list.IndexOf("B"), 3);

    list.SetCaseSensitive(false);  // re-sorts; equal texts keep their order
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "A", "b", "B", "E", "é"}));
    EXPECT_EQ(list.IndexOf("B"), 2);
    EXPECT_EQ(list.IndexOf("missing"), -1);
}

TEST(StringList, FindGivesTheInsertionPointWhenAbsent)
{
    TStringList list;
    list.SetSorted(true);
    Fill(list, {"delta", "alpha", "charlie"});
    int index = -1;
    EXPECT_TRUE(list.Find("CHARLIE", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("bravo", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("zulu", index));
    EXPECT_EQ(index, 3);
}

TEST(StringList, SortedListsRefusePositionalChanges)
{
    TStringList list;
    list.SetSorted(true);
    list.Add("a");
    EXPECT_THROW(list.Insert(0, "b"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "b"), EStringListError);
}

TEST(StringList, IndexErrorsNameTheIndex)
{
    TStringList list;
    list.Add("only");
    try {
        list.GetStrings(5);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
    EXPECT_THROW(list.Delete(1), EStringListError);
    EXPECT_THROW(list.Insert(2, "x"), EStringListError);
    EXPECT_THROW(list.SetObjects(-1, nullptr), EStringListError);
    list.Insert(1, "end");  // one past the last is a place to insert
    EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, CustomSortIsStableAndSurvivesAnInconsistentComparison)
{
    TStringList list;
    Fill(list, {"b1", "a1", "b2", "a2", "c1"});
    list.CustomSort([](const TStringList& l, int i, int j) { return l.GetStrings(i)[0] - l.GetStrings(j)[0]; });
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a1", "a2", "b1", "b2", "c1"}));

    std::vector<std::string> many;
    for (int i = 0; i < 200; ++i)
        many.push_back(std::to_string(i));
    Fill(list, many);
    int calls = 0;
    list.CustomSort([&](const TStringList&, int, int) { return (++calls % 3) - 1; });
    EXPECT_EQ(list.Count(), 200);
}

TEST(StringList, CommaTextQuotesWhatWouldNotReadBack)
{
    struct Case {
        std::vector<std::string> items;
        std::string text;
    };
    const Case cases[] = {
        {{}, ""},
        {{""}, "\"\""},
        {{"a", "b"}, "a,b"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"say \"hi\"", "x,y"}, "\"say \"\"hi\"\"\",\"x,y\""},
        {{"a", "", "b"}, "a,,b"},
        {{"", ""}, ","},
        {{"tab\there"}, "\"tab\there\""},
        {{"°C", "Zürich"}, "°C,Zürich"},
    };
    for (const Case& c : cases) {
        TStringList list;
        Fill(list, c.items);
        EXPECT_EQ(list.GetCommaText(), c.text);
        TStringList back;
        back.SetCommaText(c.text);
        EXPECT_EQ(Lines(back), c.items) << c.text;
    }
}

TEST(StringList, CommaTextReading)
{
    struct Case {
        std::string text;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"  a  b ,c", {"a", "b", "c"}},
        {"a,", {"a", ""}},
        {"\"a,b\"c,d", {"a,b", "c", "d"}},
        {"\"unterminated, quote", {"unterminated, quote"}},
        {"a\tb", {"a", "b"}},
        {std::string("a\0b", 3), {"a", "b"}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetCommaText(c.text);
        EXPECT_EQ(Lines(list), c.items) << c.text;
    }
}

TEST(StringList, DelimitedTextFollowsDelimiterQuoteAndStrictness)
{
    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    Fill(list, {"a b", "it's", "c;d", "e,f"});
    EXPECT_EQ(list.GetDelimitedText(), "'a b';'it''s';'c;d';e,f");
    list.SetStrictDelimiter(true);
    EXPECT_EQ(list.GetDelimitedText(), "a b;'it''s';'c;d';e,f");
    EXPECT_EQ(list.GetCommaText(), "\"a b\",it's,c;d,\"e,f\"");

    list.SetDelimitedText(" x y ;z");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{" x y ", "z"}));
    list.SetStrictDelimiter(false);
    list.SetDelimitedText(" x y ;z");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"x", "y", "z"}));
}

TEST(StringList, BlankDelimitersAndQuotesAreNotSkippedAsBlanks)
{
    struct Case {
        char delimiter;
        char quote;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {'\t', '"', {"a", "", "c"}},
        {' ', '"', {"", "b"}},
        {'\t', '"', {"a", ""}},
        {' ', '"', {"", ""}},
        {',', ' ', {"a b", "c"}},
        {' ', '\x1f', {" \"hi\"", "x"}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetDelimiter(c.delimiter);
        list.SetQuoteChar(c.quote);
        Fill(list, c.items);
        const std::string text = list.GetDelimitedText();
        TStringList back;
        back.Assign(list);
        back.SetDelimitedText(text);
        EXPECT_EQ(Lines(back), c.items) << "delimiter " << int(c.delimiter) << ", quote " << int(c.quote) << ": " << text;
    }
    TStringList list;
    list.SetDelimiter('\t');
    list.SetDelimitedText(" a \t\t c\n");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "", "c"})) << "other blanks around items still go";
}

TEST(StringList, TextEndsEveryLineWithCrLfAndReadsAnyLineBreak)
{
    TStringList list;
    Fill(list, {"a", "", "b", ""});
    EXPECT_EQ(list.GetText(), "a\r\n\r\nb\r\n\r\n");
    TStringList back;
    back.SetText(list.GetText());
    EXPECT_EQ(Lines(back), Lines(list));

    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"\r\n", {""}},
        {"a\n\nb\n", {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        back.SetText(c.text);
        EXPECT_EQ(Lines(back), c.lines) << c.text;
    }
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    Fill(list, {"Call=DL1ABC", "plain", "Grid=JO62", "Note=a=b"});
    EXPECT_EQ(list.Names(0), "Call");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.IndexOfName("grid"), 2);
    EXPECT_EQ(list.GetValues("NOTE"), "a=b");
    EXPECT_EQ(list.GetValues("plain"), "");

    list.SetValues("Grid", "JO61");
    list.SetValues("Power", "100");
    list.SetValues("Call", "");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"plain", "Grid=JO61", "Note=a=b", "Power=100"}));
}

TEST(StringList, OwnedObjectsAreDeletedOnceWhateverRemovesThem)
{
    int deletions = 0;
    {
        TStringList list(true);
        list.AddObject("deleted", new TCounted(deletions));
        list.AddObject("replaced", new TCounted(deletions));
        list.AddObject("cleared", new TCounted(deletions));
        list.Delete(0);
        EXPECT_EQ(deletions, 1);
        list.SetObjects(0, new TCounted(deletions));
        EXPECT_EQ(deletions, 2);
        list.SetObjects(0, list.GetObjects(0));  // the same object again stays
        EXPECT_EQ(deletions, 2);
        list.Clear();
        EXPECT_EQ(deletions, 4);
        list.AddObject("destroyed", new TCounted(deletions));
    }
    EXPECT_EQ(deletions, 5);

    TCounted kept(deletions);
    {
        TStringList list;
        list.AddObject("borrowed", &kept);
        EXPECT_EQ(list.IndexOfObject(&kept), 0);
    }
    EXPECT_EQ(deletions, 5);
}

TEST(StringList, ChangeEventsBracketEachChangeOrOneUpdateBlock)
{
    TStringList list;
    std::string events;
    list.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        events += '<';
    };
    list.OnChange = [&](TObject*) { events += '>'; };

    list.Add("a");
    list.Insert(0, "b");
    list.Delete(1);
    EXPECT_EQ(events, "<><><>");

    events.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.SetText("x\ny\nz");
    list.Sort();
    list.EndUpdate();
    EXPECT_EQ(events, "<");
    list.EndUpdate();
    list.EndUpdate();  // one too many is ignored
    EXPECT_EQ(events, "<>");

    events.clear();
    list.SetCommaText("p,q");
    EXPECT_EQ(events, "<>");
}

TEST(StringList, AssignCopiesLinesObjectsAndDelimiters)
{
    TObject marker;
    TStringList source;
    source.SetDelimiter('|');
    source.AddObject("one", &marker);
    source.Add("two");

    TStringList copy;
    copy.SetSorted(true);
    copy.Add("old");
    copy.Assign(source);
    EXPECT_EQ(Lines(copy), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(copy.GetObjects(0), &marker);
    EXPECT_EQ(copy.GetDelimiter(), '|');

    copy.Assign(copy);
    EXPECT_EQ(copy.Count(), 2);
    copy.SetSorted(false);
    copy.AddStrings(copy);
    EXPECT_EQ(Lines(copy), (std::vector<std::string>{"one", "two", "one", "two"}));

    struct TOther : TPersistent {};
    EXPECT_THROW(copy.Assign(TOther()), EConvertError);
}

TEST(StringList, FilesInWindows1252AndUtf8)
{
    TempFolder folder;
    const std::string ansi = folder.File("ansi.txt");
    WriteBytes(ansi, "20\xB0" "C\r\ncaf\xE9\r\n\x80 5");

    TStringList list;
    list.LoadFromFile(ansi);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"20°C", "café", "€ 5"}));

    list.Add("Łódź");  // no such letters in Windows-1252
    list.SaveToFile(ansi);
    EXPECT_EQ(ReadBytes(ansi), "20\xB0" "C\r\ncaf\xE9\r\n\x80 5\r\n?\xF3" "d?\r\n");

    const std::string utf8 = folder.File("utf8.txt");
    list.SaveToFile(utf8, TTextEncoding::Utf8);
    EXPECT_EQ(ReadBytes(utf8), "\xEF\xBB\xBF" "20°C\r\ncafé\r\n€ 5\r\nŁódź\r\n");
    TStringList back;
    back.LoadFromFile(utf8);  // the byte order mark wins over the default
    EXPECT_EQ(Lines(back), Lines(list));

    WriteBytes(utf8, "ok\nbad \xFF byte");
    back.LoadFromFile(utf8, TTextEncoding::Utf8);
    EXPECT_EQ(Lines(back), (std::vector<std::string>{"ok", "bad \xEF\xBF\xBD byte"}));
}

TEST(StringList, FileErrorsRaise)
{
    TempFolder folder;
    TStringList list;
    list.Add("kept");
    EXPECT_THROW(list.LoadFromFile(folder.File("missing.txt")), EFOpenError);
    EXPECT_THROW(list.LoadFromFile(folder.File("")), EFOpenError);
    EXPECT_THROW(list.SaveToFile(folder.File("no/such/folder.txt")), EFCreateError);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"kept"}));
}
