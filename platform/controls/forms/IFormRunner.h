#pragma once

namespace plat {

class TCustomForm;

// What a form needs of the program that runs it: which form is the main one (closing it ends
// the program), ending the program, and taking a hint away before a modal loop. The application
// is the runner (TApplication registers itself when it is made); a form without one is no main
// form and ends nothing.
class IFormRunner {
public:
    virtual TCustomForm* MainForm() const = 0;
    virtual void Terminate() = 0;
    virtual bool Terminated() const = 0;
    virtual void CancelHint() = 0;

protected:
    ~IFormRunner() = default;
};

void SetFormRunner(IFormRunner* Runner);
// nullptr until the application is made.
IFormRunner* GetFormRunner();

}  // namespace plat
