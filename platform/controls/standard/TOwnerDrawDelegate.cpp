#include "platform/controls/standard/TOwnerDrawDelegate.h"

#include "platform/graphics/QtConversions.h"

#include <QPainter>
#include <QPaintDevice>
#include <QStyle>

namespace plat {

TOwnerDrawDelegate::TOwnerDrawDelegate(QObject* Parent, PaintItem Paint, std::function<int()> ItemHeight)
    : QStyledItemDelegate(Parent), FPaint(std::move(Paint)), FItemHeight(std::move(ItemHeight))
{
}

void TOwnerDrawDelegate::paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const
{
    TOwnerDrawState state;
    if (Option.state & QStyle::State_Selected)
        state.Include(odSelected);
    if (Option.state & QStyle::State_HasFocus)
        state.Include(odFocused);
    if (!(Option.state & QStyle::State_Enabled))
        state.Include(odDisabled);
    const QPaintDevice* device = Painter->device();
    Painter->save();
    FPaint(*Painter, {device->width(), device->height()}, Index.row(), FromQRect(Option.rect), state);
    Painter->restore();
}

QSize TOwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& Option, const QModelIndex&) const
{
    return QSize(Option.rect.width(), FItemHeight());
}

}  // namespace plat
