#include "platform/controls/standard/TEditSurface.h"

#include "platform/controls/qt/NativeWidgetSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

namespace plat {

namespace {

class TLineEditSurface : public TEditSurface {
public:
    explicit TLineEditSurface(QLineEdit* Edit) : FEdit(Edit) {}

    QString Text() const override { return FEdit->text(); }
    void SetText(const QString& Text) override
    {
        const QSignalBlocker blocker(FEdit);
        FEdit->setText(Text);
        FEdit->setCursorPosition(0);
    }
    void GetSelection(int& Start, int& End) const override
    {
        if (FEdit->hasSelectedText()) {
            Start = FEdit->selectionStart();
            End = FEdit->selectionEnd();
        } else {
            Start = End = FEdit->cursorPosition();
        }
    }
    void SetSelection(int Start, int End) override
    {
        if (Start == End)
            FEdit->setCursorPosition(Start);
        else
            FEdit->setSelection(Start, End - Start);
    }
    void ReplaceSelection(const QString& Text) override { FEdit->insert(Text); }
    void Undo() override { FEdit->undo(); }
    bool CanUndo() const override { return FEdit->isUndoAvailable(); }
    void SetReadOnly(bool Value) override { FEdit->setReadOnly(Value); }
    void SetAlignment(Qt::Alignment Value) override { FEdit->setAlignment(Value | Qt::AlignVCenter); }
    void SetTextMargins(int LeftPx, int RightPx) override { FEdit->setTextMargins(LeftPx, 0, RightPx, 0); }
    void OnUserEdit(TWindowHost* Host, std::function<void(TWinControl&)> Edited) override
    {
        OnNativeSignal(Host, FEdit, &QLineEdit::textEdited, Edited);
    }

private:
    QLineEdit* FEdit;
};

class TTextEditSurface : public TEditSurface {
public:
    explicit TTextEditSurface(QPlainTextEdit* Edit) : FEdit(Edit) {}

    QString Text() const override { return FEdit->toPlainText(); }
    void SetText(const QString& Text) override
    {
        const QSignalBlocker blocker(FEdit);
        FEdit->setPlainText(Text);
    }
    void GetSelection(int& Start, int& End) const override
    {
        const QTextCursor cursor = FEdit->textCursor();
        Start = cursor.selectionStart();
        End = cursor.selectionEnd();
    }
    void SetSelection(int Start, int End) override
    {
        QTextCursor cursor = FEdit->textCursor();
        cursor.setPosition(Start);
        cursor.setPosition(End, QTextCursor::KeepAnchor);
        FEdit->setTextCursor(cursor);
    }
    void ReplaceSelection(const QString& Text) override { FEdit->insertPlainText(Text); }
    void Undo() override { FEdit->undo(); }
    bool CanUndo() const override { return FEdit->document()->isUndoAvailable(); }
    void SetReadOnly(bool Value) override { FEdit->setReadOnly(Value); }
    void SetAlignment(Qt::Alignment) override {}
    void SetTextMargins(int, int) override {}
    void OnUserEdit(TWindowHost* Host, std::function<void(TWinControl&)> Edited) override
    {
        OnNativeSignal(Host, FEdit, &QPlainTextEdit::textChanged, Edited);
    }

private:
    QPlainTextEdit* FEdit;
};

}  // namespace

std::unique_ptr<TEditSurface> TEditSurface::For(QWidget* Widget)
{
    if (auto* line = qobject_cast<QLineEdit*>(Widget))
        return std::make_unique<TLineEditSurface>(line);
    if (auto* text = qobject_cast<QPlainTextEdit*>(Widget))
        return std::make_unique<TTextEditSurface>(text);
    return nullptr;
}

int CodePointsBefore(const QString& Text, int Utf16Pos)
{
    int count = 0;
    const int end = std::min<int>(Utf16Pos, static_cast<int>(Text.size()));
    for (int i = 0; i < end; ++i) {
        if (Text[i].isHighSurrogate() && i + 1 < end && Text[i + 1].isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

int Utf16PositionOf(const QString& Text, int CodePoints)
{
    int pos = 0;
    const int size = static_cast<int>(Text.size());
    for (int n = 0; n < CodePoints && pos < size; ++n)
        pos += Text[pos].isHighSurrogate() && pos + 1 < size && Text[pos + 1].isLowSurrogate() ? 2 : 1;
    return pos;
}

}  // namespace plat
