#pragma once

// The window that shows a compiled help file: its table of contents on the left, the page on the
// right, Back, Forward and Home above them. Pages, style sheets and pictures come out of the
// file; a link to another page of the file opens it there, a web or mail link goes to the
// desktop through the shell service, any other link does nothing.

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace plat {

class TChmFile;

class QtHelpWindow {
public:
    explicit QtHelpWindow(std::unique_ptr<TChmFile> File);
    ~QtHelpWindow();
    QtHelpWindow(const QtHelpWindow&) = delete;
    QtHelpWindow& operator=(const QtHelpWindow&) = delete;

    // Opens the help's first page with its item chosen in the contents, then shows the window in
    // front.
    void ShowContents();
    // Opens a page of the file ("/table.html"); one the file lacks shows a page that says so.
    void ShowTopic(const std::string& Path);
    // What a click on a link of the current page does.
    void FollowLink(const std::string& Href);
    void Back();
    void Forward();
    void Home();

    // The page shown, from the file's root, without a fragment.
    std::string CurrentPage() const;
    // The <title> of the page shown.
    std::string PageTitle() const;
    // The name of the contents item chosen; empty when the page has none.
    std::string SelectedTopic() const;
    // The names of the contents, depth first, each indented by two spaces per level.
    std::vector<std::string> ContentsOutline() const;

    QWidget& Widget();

private:
    class Browser;
    struct Parts;

    void Build();
    // Chooses the contents item of Page (a path without its fragment).
    void PageChanged(const std::string& Page);

    std::unique_ptr<TChmFile> FFile;
    std::unique_ptr<Parts> FParts;
};

}  // namespace plat
