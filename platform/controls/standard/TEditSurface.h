#pragma once

// The native text field under an edit control: Qt's line edit or plain text edit behind one
// interface. Include only in .cpp files of the layer: it brings in Qt's headers.

#include <QString>
#include <Qt>

#include <functional>
#include <memory>

class QWidget;

namespace plat {

class TWindowHost;
class TWinControl;

// Positions are in UTF-16 units, as Qt counts them; line breaks of a multi-line field are
// '\n'.
class TEditSurface {
public:
    // The surface of a QLineEdit or QPlainTextEdit; nullptr for any other widget.
    static std::unique_ptr<TEditSurface> For(QWidget* Widget);

    virtual ~TEditSurface() = default;

    virtual QString Text() const = 0;
    // Code sets the text: nobody is told, the undo step is forgotten, the caret goes to the start.
    virtual void SetText(const QString& Text) = 0;
    // The selection; Start == End is the caret.
    virtual void GetSelection(int& Start, int& End) const = 0;
    // Selects Start .. End with the caret at End.
    virtual void SetSelection(int Start, int End) = 0;
    // Replaces the selection as the user would: it can be undone and counts as a user edit.
    virtual void ReplaceSelection(const QString& Text) = 0;
    virtual void Undo() = 0;
    virtual bool CanUndo() const = 0;
    virtual void SetReadOnly(bool Value) = 0;
    virtual void SetAlignment(Qt::Alignment Value) = 0;
    virtual void SetTextMargins(int LeftPx, int RightPx) = 0;
    // Edited runs after every change the user makes (typing, deleting, pasting, undoing),
    // inside the exception boundary, as long as the widget belongs to its control.
    virtual void OnUserEdit(TWindowHost* Host, std::function<void(TWinControl&)> Edited) = 0;
};

// Code points of Text before the UTF-16 position Utf16Pos.
int CodePointsBefore(const QString& Text, int Utf16Pos);
// The UTF-16 position after the first CodePoints code points of Text (its end when shorter).
int Utf16PositionOf(const QString& Text, int CodePoints);

}  // namespace plat
