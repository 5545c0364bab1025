#include "platform/system/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace plat {

namespace {

QClipboard* Clipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

}  // namespace

void SetClipboardText(const std::string& Text)
{
    if (QClipboard* clipboard = Clipboard())
        clipboard->setText(QString::fromStdString(Text));
}

std::string GetClipboardText()
{
    QClipboard* clipboard = Clipboard();
    return clipboard ? clipboard->text().toStdString() : std::string();
}

}  // namespace plat
