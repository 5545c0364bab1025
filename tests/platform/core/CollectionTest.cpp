#include "platform/core/Exception.h"
#include "platform/core/TCollection.h"

#include <gtest/gtest.h>

#include <string>

using namespace plat;

namespace {

class TNamedItem : public TCollectionItem {
public:
    std::string ClassName() const override { return "TNamedItem"; }
    const std::string& GetName() const { return FName; }
    void SetName(const std::string& Value)
    {
        FName = Value;
        Changed();
    }
    void Assign(const TPersistent& Source) override
    {
        const auto* item = dynamic_cast<const TNamedItem*>(&Source);
        if (!item)
            return TCollectionItem::Assign(Source);
        if (item->FName == "poison")
            throw EConvertError("cannot copy");
        FName = item->FName;
    }

private:
    std::string FName;
};

class TNames : public TCollectionOf<TNamedItem> {};
class TOtherNames : public TCollectionOf<TNamedItem> {};

std::string Names(const TNames& Names)
{
    std::string all;
    for (int i = 0; i < Names.Count(); ++i)
        all += (i ? "," : "") + Names.GetItem(i).GetName();
    return all;
}

TEST(CollectionTest, ItemsAreOwnedInOrderAndBadIndexesRaise)
{
    TNames names;
    names.Add().SetName("b");
    names.Insert(0).SetName("a");
    names.Add().SetName("c");
    EXPECT_EQ(Names(names), "a,b,c");
    EXPECT_EQ(names.GetItem(1).Collection(), &names);
    names.Delete(1);
    EXPECT_EQ(Names(names), "a,c");
    for (const int bad : {-1, 2}) {
        try {
            names.GetItem(bad);
            ADD_FAILURE() << bad;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
        }
    }
    EXPECT_THROW(names.Insert(3), EListError);
    EXPECT_THROW(names.Delete(2), EListError);
    names.Clear();
    EXPECT_EQ(names.Count(), 0);
}

TEST(CollectionTest, ItemChangesAreReportedAndAssignCopiesOrKeepsEverything)
{
    TNames names;
    int changes = 0;
    names.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &names);
        ++changes;
    };
    names.Add().SetName("x");
    EXPECT_EQ(changes, 1);

    TNames source;
    source.Add().SetName("p");
    source.Add().SetName("q");
    names.Assign(source);
    EXPECT_EQ(Names(names), "p,q");
    EXPECT_EQ(names.GetItem(0).Collection(), &names);

    source.Add().SetName("poison");
    EXPECT_THROW(names.Assign(source), EConvertError);
    EXPECT_EQ(Names(names), "p,q");
    EXPECT_THROW(names.Assign(TOtherNames()), EConvertError);
    EXPECT_EQ(Names(names), "p,q");
}

}  // namespace
