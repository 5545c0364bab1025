#include "platform/graphics/QtThemeElements.h"

#include "platform/graphics/QtConversions.h"
#include "platform/graphics/ThemeServices.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace plat {

namespace {

// The style is the application's; without a QApplication there is none and nothing is drawn.
QStyle* ApplicationStyle()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

QPalette::ColorGroup GroupOf(const TThemeElement& Element)
{
    if (!Element.Enabled)
        return QPalette::Disabled;
    return Element.Active ? QPalette::Active : QPalette::Inactive;
}

// Fills in what every element's option shares: rectangle, palette of the state, state flags.
void Prepare(QStyleOption& Option, const TThemeElement& Element, const QRect& Rect)
{
    Option.rect = Rect;
    Option.direction = Qt::LeftToRight;
    Option.palette = QApplication::palette();
    Option.palette.setCurrentColorGroup(GroupOf(Element));
    QStyle::State state = QStyle::State_None;
    if (Element.Enabled)
        state |= QStyle::State_Enabled;
    if (Element.Active)
        state |= QStyle::State_Active;
    if (Element.Hot)
        state |= QStyle::State_MouseOver;
    state |= Element.Pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (Element.Focused)
        state |= QStyle::State_HasFocus;
    if (Element.Selected)
        state |= QStyle::State_Selected;
    if (Element.ReadOnly)
        state |= QStyle::State_ReadOnly;
    switch (Element.Mark) {
    case TThemeCheckMark::Unchecked: state |= QStyle::State_Off; break;
    case TThemeCheckMark::Checked: state |= QStyle::State_On; break;
    case TThemeCheckMark::Mixed: state |= QStyle::State_NoChange; break;
    }
    Option.state = state;
}

QRect Centred(const QRect& Rect, TSize Size)
{
    const int width = std::min(Size.cx, Rect.width());
    const int height = std::min(Size.cy, Rect.height());
    return {Rect.left() + (Rect.width() - width) / 2, Rect.top() + (Rect.height() - height) / 2, width, height};
}

QStyle::PrimitiveElement ArrowPrimitive(TThemeArrow Arrow)
{
    switch (Arrow) {
    case TThemeArrow::Up: return QStyle::PE_IndicatorArrowUp;
    case TThemeArrow::Down: return QStyle::PE_IndicatorArrowDown;
    case TThemeArrow::Left: return QStyle::PE_IndicatorArrowLeft;
    case TThemeArrow::Right: return QStyle::PE_IndicatorArrowRight;
    }
    return QStyle::PE_IndicatorArrowDown;
}

void PaintButtonLike(QStyle& Style, QPainter& Painter, const TThemeElement& Element, const QRect& Rect)
{
    QStyleOptionButton button;
    Prepare(button, Element, Rect);
    switch (Element.Kind) {
    case TThemeElementKind::PushButton:
        if (Element.Defaulted)
            button.features |= QStyleOptionButton::DefaultButton;
        Style.drawControl(QStyle::CE_PushButtonBevel, &button, &Painter);
        break;
    case TThemeElementKind::CheckBox:
        button.rect = Centred(Rect, *ThemeElementOwnSize(Element));
        Style.drawPrimitive(QStyle::PE_IndicatorCheckBox, &button, &Painter);
        break;
    case TThemeElementKind::RadioButton:
        button.rect = Centred(Rect, *ThemeElementOwnSize(Element));
        Style.drawPrimitive(QStyle::PE_IndicatorRadioButton, &button, &Painter);
        break;
    default: {
        Style.drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &Painter);
        QStyleOption arrow;
        Prepare(arrow, Element, Rect);
        Style.drawPrimitive(ArrowPrimitive(Element.Arrow), &arrow, &Painter);
        break;
    }
    }
}

void PaintProgress(QStyle& Style, QPainter& Painter, const TThemeElement& Element, const QRect& Rect)
{
    QStyleOptionProgressBar bar;
    Prepare(bar, Element, Rect);
    if (!Element.Vertical)
        bar.state |= QStyle::State_Horizontal;
    bar.minimum = 0;
    bar.maximum = 100;
    if (Element.Kind == TThemeElementKind::ProgressBar) {
        bar.progress = 0;
        Style.drawControl(QStyle::CE_ProgressBarGroove, &bar, &Painter);
    } else {
        bar.progress = 100;
        Style.drawControl(QStyle::CE_ProgressBarContents, &bar, &Painter);
    }
}

void PaintCaption(QStyle& Style, QPainter& Painter, const TThemeElement& Element, const QRect& Rect)
{
    QStyleOptionTitleBar caption;
    Prepare(caption, Element, Rect);
    caption.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
    caption.subControls = QStyle::SC_TitleBarLabel;
    caption.titleBarState = Element.Active ? static_cast<int>(QStyle::State_Active) : 0;
    Style.drawComplexControl(QStyle::CC_TitleBar, &caption, &Painter);
}

// The fill and text roles of the surface an element stands for.
QPalette::ColorRole FillRole(const TThemeElement& Element)
{
    switch (Element.Kind) {
    case TThemeElementKind::EditText: return QPalette::Base;
    case TThemeElementKind::TabPane:
    case TThemeElementKind::Caption:
    case TThemeElementKind::DialogFace: return QPalette::Window;
    default: return QPalette::Button;
    }
}

QPalette::ColorRole TextRole(const TThemeElement& Element)
{
    switch (FillRole(Element)) {
    case QPalette::Base: return QPalette::Text;
    case QPalette::Window: return QPalette::WindowText;
    default: return QPalette::ButtonText;
    }
}

std::optional<QPalette::ColorRole> RoleOf(const TThemeElement& Element, int PropId)
{
    switch (PropId) {
    case TMT_FILLCOLOR:
    case TMT_FILLCOLORHINT: return FillRole(Element);
    case TMT_TEXTCOLOR: return TextRole(Element);
    case TMT_BORDERCOLOR:
    case TMT_BORDERCOLORHINT: return QPalette::Dark;
    case TMT_EDGELIGHTCOLOR: return QPalette::Midlight;
    case TMT_EDGEHIGHLIGHTCOLOR: return QPalette::Light;
    case TMT_EDGESHADOWCOLOR: return QPalette::Mid;
    case TMT_EDGEDKSHADOWCOLOR: return QPalette::Shadow;
    case TMT_EDGEFILLCOLOR: return QPalette::Button;
    case TMT_ACCENTCOLORHINT: return QPalette::Highlight;
    default: return std::nullopt;
    }
}

void PaintFrameLike(QStyle& Style, QPainter& Painter, const TThemeElement& Element, const QRect& Rect)
{
    const int frameWidthPx = Style.pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (Element.Kind == TThemeElementKind::EditText) {
        QStyleOptionFrame frame;
        Prepare(frame, Element, Rect);
        frame.lineWidth = frameWidthPx;
        Style.drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &Painter);
    } else {
        QStyleOptionTabWidgetFrame pane;
        Prepare(pane, Element, Rect);
        pane.shape = QTabBar::RoundedNorth;
        pane.lineWidth = frameWidthPx;
        Style.drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &Painter);
    }
}

void PaintHeaderItem(QStyle& Style, QPainter& Painter, const TThemeElement& Element, const QRect& Rect)
{
    QStyleOptionHeader header;
    Prepare(header, Element, Rect);
    header.orientation = Qt::Horizontal;
    header.position = QStyleOptionHeader::OnlyOneSection;
    Style.drawControl(QStyle::CE_HeaderSection, &header, &Painter);
}

void PaintTabItem(QStyle& Style, QPainter& Painter, const TThemeElement& Element, const QRect& Rect)
{
    QStyleOptionTab tab;
    Prepare(tab, Element, Rect);
    tab.shape = QTabBar::RoundedNorth;
    tab.position = QStyleOptionTab::OnlyOneTab;
    Style.drawControl(QStyle::CE_TabBarTabShape, &tab, &Painter);
}

}  // namespace

void PaintThemeElement(QPainter& Painter, const TThemeElement& Element, const TRect& Rect)
{
    QStyle* style = ApplicationStyle();
    if (!style || Rect.IsEmpty())
        return;
    // Styles draw some elements as their widgets do, about the origin (the vertical progress
    // chunk turns around it); so every element is drawn at the origin of a shifted painter.
    Painter.save();
    Painter.translate(Rect.Left, Rect.Top);
    const QRect rect(0, 0, Rect.Width(), Rect.Height());
    switch (Element.Kind) {
    case TThemeElementKind::PushButton:
    case TThemeElementKind::CheckBox:
    case TThemeElementKind::RadioButton:
    case TThemeElementKind::ArrowButton: PaintButtonLike(*style, Painter, Element, rect); break;
    case TThemeElementKind::EditText:
    case TThemeElementKind::TabPane: PaintFrameLike(*style, Painter, Element, rect); break;
    case TThemeElementKind::HeaderItem: PaintHeaderItem(*style, Painter, Element, rect); break;
    case TThemeElementKind::ProgressBar:
    case TThemeElementKind::ProgressChunk: PaintProgress(*style, Painter, Element, rect); break;
    case TThemeElementKind::TabItem: PaintTabItem(*style, Painter, Element, rect); break;
    case TThemeElementKind::Caption: PaintCaption(*style, Painter, Element, rect); break;
    case TThemeElementKind::DialogFace:
        Painter.fillRect(rect, QApplication::palette().color(GroupOf(Element), QPalette::Window));
        break;
    }
    Painter.restore();
}

std::optional<TSize> ThemeElementOwnSize(const TThemeElement& Element)
{
    QStyle* style = ApplicationStyle();
    if (!style)
        return std::nullopt;
    switch (Element.Kind) {
    case TThemeElementKind::CheckBox:
        return TSize{style->pixelMetric(QStyle::PM_IndicatorWidth), style->pixelMetric(QStyle::PM_IndicatorHeight)};
    case TThemeElementKind::RadioButton:
        return TSize{style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth),
                     style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight)};
    case TThemeElementKind::ArrowButton: {
        const int extentPx = style->pixelMetric(QStyle::PM_ScrollBarExtent);
        return TSize{extentPx, extentPx};
    }
    default: return std::nullopt;
    }
}

std::optional<TColor> ThemeElementColor(const TThemeElement& Element, int PropId)
{
    const std::optional<QPalette::ColorRole> role = RoleOf(Element, PropId);
    if (!role)
        return std::nullopt;
    return FromQRgb(QApplication::palette().color(GroupOf(Element), *role).rgb());
}

}  // namespace plat
