#pragma once

#include <memory>

namespace plat {
class TStringList;
class TStrings;
}  // namespace plat

namespace skelda::grid {

class THeaderTextsHost;

// The texts of the first fixed row (column headers) and the first fixed column (row headers),
// one line each, "\n" escapes standing for line breaks. A change of either list shows it in
// the grid at once; a grid without fixed rows (columns) shows no column (row) headers.
class THeaderTexts {
public:
    explicit THeaderTexts(THeaderTextsHost& AHost);
    ~THeaderTexts();
    THeaderTexts(const THeaderTexts&) = delete;
    THeaderTexts& operator=(const THeaderTexts&) = delete;

    plat::TStringList& ColumnHeaders()
    {
        return *FColumnHeaders;
    }
    const plat::TStringList& ColumnHeaders() const
    {
        return *FColumnHeaders;
    }
    void SetColumnHeaders(const plat::TStrings& Value);
    plat::TStringList& RowHeaders()
    {
        return *FRowHeaders;
    }
    void SetRowHeaders(const plat::TStrings& Value);
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    void ShowRowHeaders();
    void ClearRowHeaders();

private:
    THeaderTextsHost& FHost;
    std::unique_ptr<plat::TStringList> FColumnHeaders;
    std::unique_ptr<plat::TStringList> FRowHeaders;
};

}  // namespace skelda::grid
