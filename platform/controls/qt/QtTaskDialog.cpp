#include "platform/controls/qt/QtTaskDialog.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/qt/TaskDialogRichText.h"
#include "platform/controls/services/DialogService.h"
#include "platform/controls/services/MessageQueue.h"
#include "platform/controls/services/TimerService.h"
#include "platform/controls/services/UiServices.h"
#include "platform/graphics/TIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace plat {

namespace {

constexpr int kTimerIntervalMs = 200;
constexpr int kMainIconPx = 32;
constexpr int kFooterIconPx = 16;
constexpr int kMarginPx = 10;
constexpr int kContentWidthPx = 380;
const QColor kInstructionColor(0x00, 0x33, 0x99);
const QColor kBandColor(0xF0, 0xF0, 0xF0);
const QColor kFooterLineColor(0xDF, 0xDF, 0xDF);

QIcon StandardIcon(int Id)
{
    QStyle* style = QApplication::style();
    switch (Id) {
    case TD_WARNING_ICON:
    case TD_RESOURCE_WARNING_ICON:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case TD_ERROR_ICON:
    case TD_RESOURCE_ERROR_ICON:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case TD_INFORMATION_ICON:
    case TD_RESOURCE_INFORMATION_ICON:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case TD_RESOURCE_QUESTION_ICON:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case TD_SHIELD_ICON:
    case TD_RESOURCE_SHIELD_ICON:
        return style->standardIcon(QStyle::SP_VistaShield);
    default:
        return {};
    }
}

QString CommonCaption(int Id)
{
    switch (Id) {
    case IDOK:
        return QStringLiteral("OK");
    case IDYES:
        return QStringLiteral("&Yes");
    case IDNO:
        return QStringLiteral("&No");
    case IDCANCEL:
        return QStringLiteral("Cancel");
    case IDRETRY:
        return QStringLiteral("&Retry");
    default:
        return QStringLiteral("&Close");
    }
}

void Paint(QWidget* Widget, const QColor& Color)
{
    QPalette palette = Widget->palette();
    palette.setColor(QPalette::Window, Color);
    Widget->setPalette(palette);
    Widget->setAutoFillBackground(true);
}

QFont InstructionFont(QFont Font)
{
    Font.setBold(true);
    if (Font.pointSizeF() > 0)
        Font.setPointSizeF(Font.pointSizeF() * 1.3);
    else
        Font.setPixelSize(Font.pixelSize() * 13 / 10);
    return Font;
}

}  // namespace

class QtTaskDialog::Form : public QDialog {
public:
    explicit Form(QtTaskDialog& Owner) : FOwner(Owner) {}

    // Escape and the close box.
    void reject() override
    {
        if (TaskDialogCanCancel(FOwner.FConfig))
            FOwner.Press(IDCANCEL);
    }

protected:
    void keyPressEvent(QKeyEvent* Event) override
    {
        if (Event->key() == Qt::Key_F1 && Event->modifiers() == Qt::NoModifier) {
            FOwner.Notify(TDN_HELP);
            return;
        }
        QDialog::keyPressEvent(Event);
    }

private:
    QtTaskDialog& FOwner;
};

struct QtTaskDialog::Parts {
    std::unique_ptr<Form> Window;
    QVBoxLayout* Upper = nullptr;
    QLabel* Instruction = nullptr;
    QLabel* Content = nullptr;
    QLabel* Expanded = nullptr;
    QLabel* Footer = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* Expando = nullptr;
    QCheckBox* Verification = nullptr;
    QHBoxLayout* PushButtons = nullptr;
    std::map<int, QPushButton*> Buttons;
    std::vector<std::pair<int, QRadioButton*>> Radios;
};

QtTaskDialog::QtTaskDialog(const TTaskDialogConfig& Config)
    : FConfig(Config), FParts(std::make_unique<Parts>()), FExpanded((Config.Flags & TDF_EXPANDED_BY_DEFAULT) != 0)
{
    Build();
}

QtTaskDialog::~QtTaskDialog()
{
    if (FTimer)
        Timers().KillTimer(FTimer);
}

QLabel* QtTaskDialog::NewText(QWidget* Parent, const std::string& Text, bool Links)
{
    auto* label = new QLabel(Parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setText(TaskDialogRichText(Text, Links));
    label->setVisible(!Text.empty());
    if (Links) {
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        QObject::connect(label, &QLabel::linkActivated, label, [this](const QString& Href) {
            const std::string href = Href.toStdString();
            Notify(TDN_HYPERLINK_CLICKED, 0, reinterpret_cast<std::intptr_t>(href.c_str()));
        });
    }
    return label;
}

void QtTaskDialog::Build()
{
    FParts->Window = std::make_unique<Form>(*this);
    Form* window = FParts->Window.get();
    const std::string title = FConfig.WindowTitle.empty() ? Application->GetTitle() : FConfig.WindowTitle;
    window->setWindowTitle(QString::fromStdString(title));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (TaskDialogCanCancel(FConfig))
        flags |= Qt::WindowCloseButtonHint;
    if (FConfig.Flags & TDF_CAN_BE_MINIMIZED)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setWindowModality(Qt::ApplicationModal);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildUpperArea();
    BuildButtonBand();
    BuildFooter();
    ShowExpanded(FExpanded);
    if (const auto button = FParts->Buttons.find(TaskDialogDefaultButton(FConfig)); button != FParts->Buttons.end()) {
        button->second->setDefault(true);
        button->second->setFocus();
    }
}

void QtTaskDialog::BuildUpperArea()
{
    Form* window = FParts->Window.get();
    const bool links = FConfig.Flags & TDF_ENABLE_HYPERLINKS;
    auto* area = new QWidget(window);
    Paint(area, Qt::white);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(kMarginPx, kMarginPx, kMarginPx, kMarginPx);
    row->setSpacing(kMarginPx);
    const QIcon icon = (FConfig.Flags & TDF_USE_HICON_MAIN) && FConfig.MainIconHandle
                           ? QIcon(QPixmap::fromImage(FConfig.MainIconHandle->Image()))
                           : StandardIcon(FConfig.MainIcon);
    if (!icon.isNull()) {
        auto* picture = new QLabel(area);
        picture->setPixmap(icon.pixmap(kMainIconPx, kMainIconPx));
        row->addWidget(picture, 0, Qt::AlignTop);
    }
    FParts->Upper = new QVBoxLayout;
    FParts->Upper->setSpacing(kMarginPx);
    row->addLayout(FParts->Upper, 1);

    FParts->Instruction = NewText(area, FConfig.MainInstruction, false);
    FParts->Instruction->setFont(InstructionFont(FParts->Instruction->font()));
    QPalette palette = FParts->Instruction->palette();
    palette.setColor(QPalette::WindowText, kInstructionColor);
    FParts->Instruction->setPalette(palette);
    FParts->Content = NewText(area, FConfig.Content, links);
    for (QLabel* label : {FParts->Instruction, FParts->Content}) {
        label->setMinimumWidth(kContentWidthPx);
        FParts->Upper->addWidget(label);
    }
    if (!(FConfig.Flags & TDF_EXPAND_FOOTER_AREA)) {
        FParts->Expanded = NewText(area, FConfig.ExpandedInformation, links);
        FParts->Upper->addWidget(FParts->Expanded);
    }
    if (FConfig.Flags & (TDF_SHOW_PROGRESS_BAR | TDF_SHOW_MARQUEE_PROGRESS_BAR)) {
        FParts->Progress = new QProgressBar(area);
        FParts->Progress->setTextVisible(false);
        ShowProgress();
        if (FConfig.Flags & TDF_SHOW_MARQUEE_PROGRESS_BAR)
            FParts->Progress->setRange(0, 0);
        FParts->Upper->addWidget(FParts->Progress);
    }
    const int selected = TaskDialogDefaultRadioButton(FConfig);
    for (const TTaskDialogButton& radio : FConfig.RadioButtons) {
        auto* button = new QRadioButton(QString::fromStdString(radio.ButtonText), area);
        button->setChecked(radio.ButtonID == selected);
        QObject::connect(button, &QRadioButton::clicked, button, [this, id = radio.ButtonID] {
            Notify(TDN_RADIO_BUTTON_CLICKED, static_cast<std::uintptr_t>(id));
        });
        FParts->Radios.emplace_back(radio.ButtonID, button);
        FParts->Upper->addWidget(button);
    }
    if (FConfig.Flags & (TDF_USE_COMMAND_LINKS | TDF_USE_COMMAND_LINKS_NO_ICON))
        for (const TTaskDialogButton& button : FConfig.Buttons)
            AddButton(button, true);
    window->layout()->addWidget(area);
}

void QtTaskDialog::BuildButtonBand()
{
    Form* window = FParts->Window.get();
    auto* band = new QWidget(window);
    Paint(band, kBandColor);
    auto* rows = new QVBoxLayout(band);
    rows->setContentsMargins(kMarginPx, kMarginPx, kMarginPx, kMarginPx);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    if (!FConfig.ExpandedInformation.empty()) {
        FParts->Expando = new QPushButton(band);
        FParts->Expando->setFlat(true);
        FParts->Expando->setAutoDefault(false);
        QObject::connect(FParts->Expando, &QPushButton::clicked, FParts->Expando, [this] {
            ShowExpanded(!FExpanded);
            Notify(TDN_EXPANDO_BUTTON_CLICKED, FExpanded ? 1 : 0);
        });
        row->addWidget(FParts->Expando);
    }
    row->addStretch(1);
    FParts->PushButtons = row;
    if (!(FConfig.Flags & (TDF_USE_COMMAND_LINKS | TDF_USE_COMMAND_LINKS_NO_ICON)))
        for (const TTaskDialogButton& button : FConfig.Buttons)
            AddButton(button, false);
    for (int id : TaskDialogButtonIds(FConfig))
        if (!FParts->Buttons.contains(id))
            AddButton({id, CommonCaption(id).toStdString()}, false);
    if (!FConfig.VerificationText.empty()) {
        FParts->Verification = new QCheckBox(QString::fromStdString(FConfig.VerificationText), band);
        FParts->Verification->setChecked(FConfig.Flags & TDF_VERIFICATION_FLAG_CHECKED);
        QObject::connect(FParts->Verification, &QCheckBox::clicked, FParts->Verification,
                         [this](bool checked) { Notify(TDN_VERIFICATION_CLICKED, checked ? 1 : 0); });
        rows->addWidget(FParts->Verification);
    }
    window->layout()->addWidget(band);
}

void QtTaskDialog::BuildFooter()
{
    const bool expandedHere = (FConfig.Flags & TDF_EXPAND_FOOTER_AREA) && !FConfig.ExpandedInformation.empty();
    if (FConfig.Footer.empty() && !expandedHere)
        return;
    Form* window = FParts->Window.get();
    const bool links = FConfig.Flags & TDF_ENABLE_HYPERLINKS;
    auto* footer = new QWidget(window);
    Paint(footer, kBandColor);
    auto* rows = new QVBoxLayout(footer);
    rows->setContentsMargins(0, 0, 0, kMarginPx);
    auto* line = new QFrame(footer);
    line->setFixedHeight(1);
    Paint(line, kFooterLineColor);
    rows->addWidget(line);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kMarginPx, kMarginPx / 2, kMarginPx, 0);
    rows->addLayout(row);
    if (const QIcon icon = StandardIcon(FConfig.FooterIcon); !icon.isNull() && !FConfig.Footer.empty()) {
        auto* picture = new QLabel(footer);
        picture->setPixmap(icon.pixmap(kFooterIconPx, kFooterIconPx));
        row->addWidget(picture, 0, Qt::AlignTop);
    }
    FParts->Footer = NewText(footer, FConfig.Footer, links);
    row->addWidget(FParts->Footer, 1);
    if (FConfig.Flags & TDF_EXPAND_FOOTER_AREA) {
        FParts->Expanded = NewText(footer, FConfig.ExpandedInformation, links);
        FParts->Expanded->setContentsMargins(kMarginPx, kMarginPx / 2, kMarginPx, 0);
        rows->addWidget(FParts->Expanded);
    }
    window->layout()->addWidget(footer);
}

void QtTaskDialog::AddButton(const TTaskDialogButton& Button, bool CommandLink)
{
    QPushButton* button = nullptr;
    const QString text = QString::fromStdString(Button.ButtonText);
    if (CommandLink) {
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        auto* link = new QCommandLinkButton(text.left(lineEnd), lineEnd < 0 ? QString() : text.mid(lineEnd + 1));
        if (FConfig.Flags & TDF_USE_COMMAND_LINKS_NO_ICON)
            link->setIcon(QIcon());
        FParts->Upper->addWidget(link);
        button = link;
    } else {
        button = new QPushButton(text);
        FParts->PushButtons->addWidget(button);
    }
    QObject::connect(button, &QPushButton::clicked, button, [this, id = Button.ButtonID] { Press(id); });
    if (!FParts->Buttons.contains(Button.ButtonID))
        FParts->Buttons[Button.ButtonID] = button;
}

void QtTaskDialog::ShowExpanded(bool Expanded)
{
    FExpanded = Expanded;
    if (FParts->Expanded)
        FParts->Expanded->setVisible(Expanded && !FConfig.ExpandedInformation.empty());
    if (!FParts->Expando)
        return;
    std::string shown = Expanded ? FConfig.ExpandedControlText : FConfig.CollapsedControlText;
    if (shown.empty())
        shown = Expanded ? FConfig.CollapsedControlText : FConfig.ExpandedControlText;
    if (shown.empty())
        shown = Expanded ? "Hide details" : "See details";
    FParts->Expando->setText(QString::fromStdString(shown));
    FParts->Expando->setIcon(
        QApplication::style()->standardIcon(Expanded ? QStyle::SP_ArrowUp : QStyle::SP_ArrowDown));
}

QWidget& QtTaskDialog::Widget()
{
    Form& window = *FParts->Window;
    window.ensurePolished();
    window.layout()->activate();
    window.adjustSize();
    return window;
}

void QtTaskDialog::Place()
{
    QWidget& window = Widget();
    QWidget* parent =
        FConfig.Parent && FConfig.Parent->HandleAllocated() ? FConfig.Parent->Handle()->window() : nullptr;
    if (parent) {
        parent->winId();
        window.winId();
        window.windowHandle()->setTransientParent(parent->windowHandle());
    }
    QRect around;
    if (parent && parent->isVisible() && (FConfig.Flags & TDF_POSITION_RELATIVE_TO_WINDOW))
        around = parent->frameGeometry();
    else if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        around = screen->availableGeometry();
    if (around.isValid())
        window.move(around.center() - window.rect().center());
}

HRESULT QtTaskDialog::Run(int* Button, int* RadioButton, bool* VerificationFlagChecked)
{
    for (int* output : {Button, RadioButton})
        if (output)
            *output = 0;
    if (VerificationFlagChecked)
        *VerificationFlagChecked = false;

    Notify(TDN_DIALOG_CONSTRUCTED);
    if (!FClosed)
        Notify(TDN_CREATED);
    bool gaveUp = false;
    if (!FClosed) {
        Place();
        FParts->Window->show();
        if (FConfig.Flags & TDF_CALLBACK_TIMER)
            FTimer = Timers().StartTimer(kTimerIntervalMs, [this] { Tick(); });
        while (!FClosed && !gaveUp)
            gaveUp = !Messages().ProcessOne(true);
    }
    if (FTimer)
        Timers().KillTimer(std::exchange(FTimer, 0));
    FParts->Window->hide();
    Notify(TDN_DESTROYED);
    if (gaveUp)
        return E_FAIL;

    if (Button)
        *Button = FResult;
    if (RadioButton)
        for (const auto& [id, radio] : FParts->Radios)
            if (radio->isChecked())
                *RadioButton = id;
    if (VerificationFlagChecked && FParts->Verification)
        *VerificationFlagChecked = FParts->Verification->isChecked();
    return S_OK;
}

HRESULT QtTaskDialog::Notify(unsigned Notification, std::uintptr_t WParam, std::intptr_t LParam)
{
    HRESULT result = S_OK;
    if (FConfig.Callback)
        Guarded(nullptr, [&] { result = FConfig.Callback(this, Notification, WParam, LParam); });
    return result;
}

void QtTaskDialog::Press(int ButtonID)
{
    if (FClosed)
        return;
    if (Notify(TDN_BUTTON_CLICKED, static_cast<std::uintptr_t>(ButtonID)) == S_FALSE || FClosed)
        return;
    FClosed = true;
    FResult = ButtonID;
}

void QtTaskDialog::Tick()
{
    if (FClosed)
        return;
    FElapsedMs += kTimerIntervalMs;
    if (Notify(TDN_TIMER, FElapsedMs) == S_FALSE)
        FElapsedMs = 0;
}

void QtTaskDialog::ShowProgress()
{
    FParts->Progress->setRange(FProgressMin, FProgressMax);
    FParts->Progress->setValue(FProgressPos);
}

void QtTaskDialog::SetProgressState(unsigned State)
{
    QPalette palette = QApplication::palette(FParts->Progress);
    if (State == PBST_ERROR)
        palette.setColor(QPalette::Highlight, QColor(0xDA, 0x26, 0x26));
    else if (State == PBST_PAUSED)
        palette.setColor(QPalette::Highlight, QColor(0xDA, 0xC4, 0x00));
    FParts->Progress->setPalette(palette);
}

void QtTaskDialog::UpdateElementText(unsigned Element, const std::string& Text)
{
    QLabel* label = nullptr;
    switch (Element) {
    case TDE_CONTENT:
        label = FParts->Content;
        break;
    case TDE_EXPANDED_INFORMATION:
        label = FParts->Expanded;
        FConfig.ExpandedInformation = Text;
        break;
    case TDE_FOOTER:
        label = FParts->Footer;
        break;
    case TDE_MAIN_INSTRUCTION:
        label = FParts->Instruction;
        break;
    default:
        break;
    }
    if (!label)
        return;
    const bool links = (FConfig.Flags & TDF_ENABLE_HYPERLINKS) && label != FParts->Instruction;
    label->setText(TaskDialogRichText(Text, links));
    label->setVisible(!Text.empty() && (label != FParts->Expanded || FExpanded));
    FParts->Window->adjustSize();
}

std::intptr_t QtTaskDialog::Perform(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam)
{
    const int id = static_cast<int>(WParam);
    const auto button = FParts->Buttons.find(id);
    const bool hasButton = button != FParts->Buttons.end();
    switch (Msg) {
    case TDM_CLICK_BUTTON:
        if (hasButton && button->second->isEnabled())
            Press(id);
        return 0;
    case TDM_ENABLE_BUTTON:
        if (hasButton)
            button->second->setEnabled(LParam != 0);
        return 0;
    case TDM_SET_BUTTON_ELEVATION_REQUIRED_STATE:
        if (hasButton)
            button->second->setIcon(LParam ? StandardIcon(TD_SHIELD_ICON) : QIcon());
        return hasButton ? 1 : 0;
    case TDM_UPDATE_ELEMENT_TEXT:
        UpdateElementText(static_cast<unsigned>(WParam), LParam ? reinterpret_cast<const char*>(LParam) : "");
        return 0;
    case TDM_SET_PROGRESS_BAR_RANGE: {
        const auto packed = static_cast<std::uint32_t>(LParam);
        const std::intptr_t former = static_cast<std::intptr_t>((static_cast<std::uint32_t>(FProgressMax) << 16) |
                                                                (static_cast<std::uint32_t>(FProgressMin) & 0xFFFF));
        FProgressMin = static_cast<std::uint16_t>(packed & 0xFFFF);
        FProgressMax = static_cast<std::uint16_t>(packed >> 16);
        FProgressPos = std::clamp(FProgressPos, FProgressMin, std::max(FProgressMin, FProgressMax));
        if (FParts->Progress && FParts->Progress->maximum() != 0)
            ShowProgress();
        return former;
    }
    case TDM_SET_PROGRESS_BAR_POS: {
        const int former = FProgressPos;
        FProgressPos = std::clamp(id, FProgressMin, std::max(FProgressMin, FProgressMax));
        if (FParts->Progress && FParts->Progress->maximum() != 0)
            ShowProgress();
        return former;
    }
    case TDM_SET_PROGRESS_BAR_STATE:
        if (FParts->Progress)
            SetProgressState(static_cast<unsigned>(WParam));
        return FParts->Progress ? 1 : 0;
    case TDM_SET_PROGRESS_BAR_MARQUEE:
        if (FParts->Progress) {
            if (WParam)
                FParts->Progress->setRange(0, 0);
            else
                ShowProgress();
        }
        return 0;
    default:
        return 0;
    }
}

}  // namespace plat
