#pragma once

// Owner drawing of the items of Qt's item views for the list controls. Include only in .cpp
// files of the layer: it brings in Qt's widget headers.

#include "platform/controls/standard/StandardControlTypes.h"

#include <QStyledItemDelegate>

#include <functional>

namespace plat {

// Hands the painting of each item to the control: Paint gets the view's painter, the size of
// the surface, the item's index, its rectangle on that surface and its state. Items are
// ItemHeight() pixels high.
class TOwnerDrawDelegate : public QStyledItemDelegate {
public:
    using PaintItem =
        std::function<void(QPainter& Painter, TSize DeviceSize, int Index, const TRect& Rect, TOwnerDrawState State)>;

    TOwnerDrawDelegate(QObject* Parent, PaintItem Paint, std::function<int()> ItemHeight);

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;

private:
    PaintItem FPaint;
    std::function<int()> FItemHeight;
};

}  // namespace plat
