#include "platform/graphics/SystemIcons.h"

#include "platform/graphics/TCanvas.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMimeDatabase>

#include <map>
#include <vector>

namespace plat::SystemIcons {

namespace {

struct IconList {
    std::vector<QIcon> icons;
    std::map<std::string, int> byKey;
};

// The desktop's icon provider draws with the widget style, so it needs the widget application;
// without one (a program with only a GUI application) the icon theme answers alone.
QFileIconProvider* Provider()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return nullptr;
    static QFileIconProvider provider;
    return &provider;
}

QIcon FixedIcon(int index)
{
    static constexpr QAbstractFileIconProvider::IconType kFixed[FixedCount] = {
        QAbstractFileIconProvider::File, QAbstractFileIconProvider::Folder, QAbstractFileIconProvider::Drive,
        QAbstractFileIconProvider::Computer, QAbstractFileIconProvider::Desktop,
        QAbstractFileIconProvider::Network, QAbstractFileIconProvider::Trashcan};
    static constexpr const char* kThemeNames[FixedCount] = {
        "text-x-generic", "folder", "drive-harddisk", "computer", "user-desktop", "network-workgroup", "user-trash"};
    if (QFileIconProvider* provider = Provider())
        return provider->icon(kFixed[index]);
    return QIcon::fromTheme(QString::fromLatin1(kThemeNames[index]));
}

IconList& List()
{
    static IconList list = [] {
        IconList l;
        for (int i = 0; i < FixedCount; ++i)
            l.icons.push_back(FixedIcon(i));
        return l;
    }();
    return list;
}

// An icon for a file type from the desktop's icon theme, by the MIME type of the extension.
QIcon IconOfExtension(const QString& path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    return icon;
}

}  // namespace

TSize IconSize(bool Large)
{
    return Large ? TSize{32, 32} : TSize{16, 16};
}

int IndexOfPath(const std::string& Path)
{
    IconList& list = List();
    const QString path = QString::fromUtf8(Path.data(), static_cast<qsizetype>(Path.size()));
    const QFileInfo info(path);
    const bool exists = !Path.empty() && info.exists();
    const std::string key = exists ? "path:" + Path : "ext:" + info.suffix().toLower().toStdString();
    if (auto found = list.byKey.find(key); found != list.byKey.end())
        return found->second;
    QIcon icon = exists && Provider() != nullptr ? Provider()->icon(info) : IconOfExtension(path);
    int index = 0;  // the plain file icon when nothing better is known
    if (exists && info.isDir() && icon.isNull())
        index = 1;
    if (!icon.isNull()) {
        list.icons.push_back(icon);
        index = static_cast<int>(list.icons.size()) - 1;
    }
    list.byKey.emplace(key, index);
    return index;
}

bool Valid(int Index)
{
    return Index >= 0 && Index < static_cast<int>(List().icons.size());
}

void Draw(TCanvas& Canvas, const TRect& Dest, int Index, bool Large)
{
    if (!Valid(Index) || Dest.IsEmpty())
        return;
    const TSize size = IconSize(Large);
    const QImage image = List().icons[static_cast<std::size_t>(Index)].pixmap(size.cx, size.cy).toImage();
    if (image.isNull())
        return;
    Canvas.DrawImage(Dest, image, TRect{0, 0, image.width(), image.height()});
}

}  // namespace plat::SystemIcons
