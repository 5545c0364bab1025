#pragma once

#include "platform/core/TStrings.h"

#include <functional>
#include <string>
#include <vector>

namespace plat {

enum TDuplicates { dupIgnore, dupAccept, dupError };

// Lines kept in memory, optionally sorted. OnChanging and OnChange bracket every change (once per
// BeginUpdate/EndUpdate block). Objects are not owned unless OwnsObjects is set, in which case
// the list deletes an object when its line is deleted, when the object is replaced and when the
// list is cleared or destroyed. An object offered with a line that a sorted list ignores as a
// duplicate stays with the caller.
class TStringList : public TStrings {
public:
    TStringList() = default;
    explicit TStringList(bool OwnsObjects) : FOwnsObjects(OwnsObjects) {}
    ~TStringList() override;

    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    // Raises EStringListError on a sorted list.
    void Insert(int Index, const std::string& S) override;
    void InsertObject(int Index, const std::string& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    int IndexOf(const std::string& S) const override;

    // Binary search of a sorted list: true when S is present, with Index at its first occurrence;
    // otherwise Index is where S would be inserted.
    bool Find(const std::string& S, int& Index) const;
    // Sorting is stable; an already sorted list stays as it is.
    void Sort();
    using TStringListSortCompare = std::function<int(const TStringList& List, int Index1, int Index2)>;
    void CustomSort(const TStringListSortCompare& Compare);

    bool GetSorted() const { return FSorted; }
    void SetSorted(bool Value);
    // What Add does with a line already present in a sorted list: ignore it, accept it, or raise
    // EStringListError "String list does not allow duplicates".
    TDuplicates GetDuplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool GetCaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);
    bool GetOwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    std::function<void(TObject* Sender)> OnChange;
    std::function<void(TObject* Sender)> OnChanging;

protected:
    int GetCount() const override { return static_cast<int>(FItems.size()); }
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;
    int CompareStrings(const std::string& S1, const std::string& S2) const override;

    virtual void Changing();
    virtual void Changed();

private:
    struct TStringItem {
        std::string String;
        TObject* Object = nullptr;
    };

    void InsertItem(int Index, const std::string& S, TObject* AObject);
    void CheckIndex(int Index) const;
    void SortBy(const std::function<bool(int, int)>& Less);

    std::vector<TStringItem> FItems;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
};

}  // namespace plat
