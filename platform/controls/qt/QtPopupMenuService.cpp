#include "platform/controls/qt/QtPopupMenuService.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TImageList.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPixmap>

namespace plat {

namespace {

QIcon IconOf(const TImageList* Images, int Index)
{
    if (!Images || Index < 0 || Index >= Images->GetCount())
        return {};
    TBitmap picture;
    Images->GetBitmap(Index, picture);
    return QIcon(QPixmap::fromImage(picture.Image()));
}

void AddEntries(QMenu& Menu, const std::vector<TPopupMenuEntry>& Items, const TImageList* Images)
{
    QActionGroup* radioGroup = nullptr;
    for (const TPopupMenuEntry& entry : Items) {
        if (entry.Caption == "-") {
            Menu.addSeparator();
            radioGroup = nullptr;
            continue;
        }
        const QString caption = QString::fromStdString(entry.Caption);
        if (!entry.Items.empty()) {
            QMenu* sub = Menu.addMenu(caption);
            sub->setEnabled(entry.Enabled);
            sub->setIcon(IconOf(Images, entry.ImageIndex));
            AddEntries(*sub, entry.Items, Images);
            continue;
        }
        QAction* action = Menu.addAction(caption);
        action->setData(entry.Command);
        action->setEnabled(entry.Enabled);
        action->setIcon(IconOf(Images, entry.ImageIndex));
        if (entry.Checked || entry.RadioItem) {
            action->setCheckable(true);
            action->setChecked(entry.Checked);
        }
        if (entry.RadioItem) {
            if (!radioGroup)
                radioGroup = new QActionGroup(&Menu);
            radioGroup->addAction(action);
        } else {
            radioGroup = nullptr;
        }
        if (entry.Default) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
        }
    }
}

}  // namespace

int QtPopupMenuService::Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos, const TImageList* Images)
{
    QMenu menu;
    AddEntries(menu, Items, Images);
    const QAction* chosen = menu.exec(QPoint(ScreenPos.X, ScreenPos.Y));
    return chosen ? chosen->data().toInt() : 0;
}

}  // namespace plat
