#include "platform/controls/qt/QtPopupMenuService.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace plat {

namespace {

void AddEntries(QMenu& Menu, const std::vector<TPopupMenuEntry>& Items)
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
            AddEntries(*sub, entry.Items);
            continue;
        }
        QAction* action = Menu.addAction(caption);
        action->setData(entry.Command);
        action->setEnabled(entry.Enabled);
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

int QtPopupMenuService::Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos)
{
    QMenu menu;
    AddEntries(menu, Items);
    const QAction* chosen = menu.exec(QPoint(ScreenPos.X, ScreenPos.Y));
    return chosen ? chosen->data().toInt() : 0;
}

}  // namespace plat
