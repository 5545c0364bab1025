#include "platform/controls/qt/QtDialogService.h"

#include "platform/controls/qt/QtTaskDialog.h"

#include <QMessageBox>
#include <QString>

namespace plat {

namespace {

QMessageBox::StandardButton ButtonOfId(int Id)
{
    switch (Id) {
    case IDOK:
        return QMessageBox::Ok;
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    default:
        return QMessageBox::No;
    }
}

QMessageBox::Icon IconOfFlags(unsigned Flags)
{
    switch (Flags & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

int QtDialogService::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    int ids[3] = {};
    const int count = MessageBoxButtons(Flags, ids);
    QMessageBox box(IconOfFlags(Flags), QString::fromStdString(Caption), QString::fromStdString(Text));
    box.setWindowModality(Qt::ApplicationModal);
    if (Flags & MB_RTLREADING)
        box.setLayoutDirection(Qt::RightToLeft);
    bool hasCancel = false;
    for (int i = 0; i < count; ++i) {
        box.addButton(ButtonOfId(ids[i]));
        hasCancel = hasCancel || ids[i] == IDCANCEL;
    }
    const int defaultId = MessageBoxDefaultId(Flags);
    box.setDefaultButton(ButtonOfId(defaultId));
    box.setEscapeButton(ButtonOfId(hasCancel ? IDCANCEL : defaultId));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (int i = 0; i < count; ++i)
        if (clicked && box.standardButton(clicked) == ButtonOfId(ids[i]))
            return ids[i];
    return hasCancel ? IDCANCEL : defaultId;
}

HRESULT QtDialogService::TaskDialogIndirect(const TTaskDialogConfig& Config, int* Button, int* RadioButton,
                                            bool* VerificationFlagChecked)
{
    QtTaskDialog dialog(Config);
    return dialog.Run(Button, RadioButton, VerificationFlagChecked);
}

}  // namespace plat
