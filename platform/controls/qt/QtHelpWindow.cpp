#include "platform/controls/qt/QtHelpWindow.h"

#include "platform/core/Utf8.h"
#include "platform/system/ChmFile.h"
#include "platform/system/Environment.h"
#include "platform/system/Shell.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace plat {

namespace {

constexpr const char* kScheme = "chm";
constexpr int kPathRole = Qt::UserRole;

QUrl PageUrl(const std::string& Path)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(kScheme));
    const std::string::size_type hash = Path.find('#');
    url.setPath(QString::fromStdString(Path.substr(0, hash)));
    if (hash != std::string::npos)
        url.setFragment(QString::fromStdString(Path.substr(hash + 1)));
    return url;
}

QString NotFoundPage(const QUrl& Url)
{
    return QStringLiteral("<html><head><title>Page not found</title></head><body><h1>Page not found</h1>"
                          "<p>The help file has no page \"%1\".</p></body></html>")
        .arg(Url.path().toHtmlEscaped());
}

void AddTopics(QTreeWidgetItem* Parent, QTreeWidget* Tree, const std::vector<TChmTopic>& Topics)
{
    for (const TChmTopic& topic : Topics) {
        auto* item = Parent ? new QTreeWidgetItem(Parent) : new QTreeWidgetItem(Tree);
        item->setText(0, QString::fromStdString(topic.Name));
        item->setData(0, kPathRole, QString::fromStdString(topic.Local));
        AddTopics(item, Tree, topic.Children);
    }
}

QTreeWidgetItem* FindTopic(QTreeWidgetItem* Item, const QString& Path)
{
    if (QUrl(Item->data(0, kPathRole).toString()).path() == Path && !Path.isEmpty())
        return Item;
    for (int i = 0; i < Item->childCount(); ++i)
        if (QTreeWidgetItem* found = FindTopic(Item->child(i), Path))
            return found;
    return nullptr;
}

void Outline(const QTreeWidgetItem* Item, int Depth, std::vector<std::string>& Names)
{
    Names.push_back(std::string(2 * Depth, ' ') + Item->text(0).toStdString());
    for (int i = 0; i < Item->childCount(); ++i)
        Outline(Item->child(i), Depth + 1, Names);
}

}  // namespace

// Reads pages, style sheets and pictures out of the help file.
class QtHelpWindow::Browser : public QTextBrowser {
public:
    Browser(const TChmFile& File, QWidget* Parent) : QTextBrowser(Parent), FFile(File) {}

    QVariant loadResource(int Type, const QUrl& Name) override
    {
        if (Name.scheme() != QLatin1String(kScheme))
            return {};
        const std::optional<std::string> data = FFile.ReadObject(Name.path().toStdString());
        if (Type == QTextDocument::ImageResource)
            return data ? QVariant(QByteArray::fromStdString(*data)) : QVariant();
        if (!data)
            return Type == QTextDocument::HtmlResource ? QVariant(NotFoundPage(Name)) : QVariant();
        // Help compilers write their pages in the ANSI code page unless they say otherwise.
        const std::string text = IsValidUtf8(*data) ? *data : Windows1252ToUtf8(*data);
        return QString::fromStdString(text);
    }

private:
    const TChmFile& FFile;
};

struct QtHelpWindow::Parts {
    QWidget Window;
    QToolButton* BackButton = nullptr;
    QToolButton* ForwardButton = nullptr;
    QToolButton* HomeButton = nullptr;
    QTreeWidget* Tree = nullptr;
    Browser* Page = nullptr;
};

QtHelpWindow::QtHelpWindow(std::unique_ptr<TChmFile> File) : FFile(std::move(File)), FParts(std::make_unique<Parts>())
{
    Build();
}

QtHelpWindow::~QtHelpWindow() = default;

void QtHelpWindow::Build()
{
    QWidget& window = FParts->Window;
    const std::string title = FFile->Title().empty() ? "Help" : FFile->Title();
    window.setWindowTitle(QString::fromStdString(title));
    window.resize(820, 560);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    const auto addButton = [&](const char* text) {
        auto* button = new QToolButton(&window);
        button->setText(QString::fromLatin1(text));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bar->addWidget(button);
        return button;
    };
    FParts->BackButton = addButton("Back");
    FParts->ForwardButton = addButton("Forward");
    FParts->HomeButton = addButton("Home");
    bar->addStretch();
    layout->addLayout(bar);

    auto* splitter = new QSplitter(&window);
    FParts->Tree = new QTreeWidget(splitter);
    FParts->Tree->setHeaderHidden(true);
    AddTopics(nullptr, FParts->Tree, FFile->Contents());
    FParts->Tree->expandAll();
    FParts->Page = new Browser(*FFile, splitter);
    FParts->Page->setOpenLinks(false);
    splitter->addWidget(FParts->Tree);
    splitter->addWidget(FParts->Page);
    splitter->setSizes({230, 590});
    layout->addWidget(splitter, 1);

    QObject::connect(FParts->BackButton, &QToolButton::clicked, [this] { Back(); });
    QObject::connect(FParts->ForwardButton, &QToolButton::clicked, [this] { Forward(); });
    QObject::connect(FParts->HomeButton, &QToolButton::clicked, [this] { Home(); });
    QObject::connect(FParts->Page, &QTextBrowser::anchorClicked,
                     [this](const QUrl& url) { FollowLink(url.toString().toStdString()); });
    // The browser announces the new page before its source() says so: take the page announced.
    QObject::connect(FParts->Page, &QTextBrowser::sourceChanged,
                     [this](const QUrl& url) { PageChanged(url.path().toStdString()); });
    QObject::connect(FParts->Page, &QTextBrowser::backwardAvailable, FParts->BackButton, &QToolButton::setEnabled);
    QObject::connect(FParts->Page, &QTextBrowser::forwardAvailable, FParts->ForwardButton, &QToolButton::setEnabled);
    QObject::connect(FParts->Tree, &QTreeWidget::itemClicked, [this](QTreeWidgetItem* item) {
        const QString path = item->data(0, kPathRole).toString();
        if (!path.isEmpty())
            ShowTopic(path.toStdString());
    });
    FParts->BackButton->setEnabled(false);
    FParts->ForwardButton->setEnabled(false);
}

void QtHelpWindow::ShowContents()
{
    Home();
    QWidget& window = FParts->Window;
    window.show();
    window.raise();
    window.activateWindow();
}

void QtHelpWindow::ShowTopic(const std::string& Path)
{
    FParts->Page->setSource(PageUrl(ChmPathFromLocal(Path)));
}

void QtHelpWindow::FollowLink(const std::string& Href)
{
    const QUrl link(QString::fromStdString(Href));
    const QUrl target = FParts->Page->source().resolved(link);
    if (target.scheme() == QLatin1String(kScheme)) {
        FParts->Page->setSource(target);
        return;
    }
    const QString scheme = target.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto"))
        Env().Shell->OpenUrl(target.toString().toStdString());
}

void QtHelpWindow::Back()
{
    FParts->Page->backward();
}

void QtHelpWindow::Forward()
{
    FParts->Page->forward();
}

void QtHelpWindow::Home()
{
    ShowTopic(FFile->DefaultTopic());
}

void QtHelpWindow::PageChanged(const std::string& Page)
{
    QTreeWidget* tree = FParts->Tree;
    const QString path = QString::fromStdString(Page);
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < tree->topLevelItemCount() && !found; ++i)
        found = FindTopic(tree->topLevelItem(i), path);
    const QSignalBlocker quiet(tree);
    tree->setCurrentItem(found);
    if (!found)
        tree->clearSelection();
}

std::string QtHelpWindow::CurrentPage() const
{
    return FParts->Page->source().path().toStdString();
}

std::string QtHelpWindow::PageTitle() const
{
    return FParts->Page->documentTitle().toStdString();
}

std::string QtHelpWindow::SelectedTopic() const
{
    const QTreeWidgetItem* item = FParts->Tree->currentItem();
    return item && item->isSelected() ? item->text(0).toStdString() : std::string();
}

std::vector<std::string> QtHelpWindow::ContentsOutline() const
{
    std::vector<std::string> names;
    for (int i = 0; i < FParts->Tree->topLevelItemCount(); ++i)
        Outline(FParts->Tree->topLevelItem(i), 0, names);
    return names;
}

QWidget& QtHelpWindow::Widget()
{
    return FParts->Window;
}

}  // namespace plat
