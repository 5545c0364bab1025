#pragma once

#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

namespace plat {
class TWinControl;
}

namespace plat::testing {

// Counts the times a control's window is restacked (raised or lowered), from construction on:
// all the offscreen platform lets a test see of a form brought to the front. Makes the control's
// window when it has none; a window that goes away first simply stops the count.
class WindowRestackCounter : public QObject {
public:
    explicit WindowRestackCounter(TWinControl& Control);
    ~WindowRestackCounter() override;
    WindowRestackCounter(const WindowRestackCounter&) = delete;
    WindowRestackCounter& operator=(const WindowRestackCounter&) = delete;

    int Count() const { return FCount; }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QPointer<QWidget> FWindow;
    int FCount = 0;
};

}  // namespace plat::testing
