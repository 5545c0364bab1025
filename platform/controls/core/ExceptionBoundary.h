#pragma once

namespace plat {

class TObject;

// Where an exception that reaches the edge of an event goes. The application installs its
// HandleException here (a message box, or its OnException); until then the exception's message
// is written to standard error. The handler must not raise.
using TBoundaryHandler = void (*)(TObject* Sender);
void SetBoundaryHandler(TBoundaryHandler Handler);

// Hands the exception being handled to the boundary handler. Call it only inside a catch block;
// it never raises.
void HandleExceptionAtBoundary(TObject* Sender) noexcept;

// Runs Action at the edge between Qt (or a service callback) and the control layer: an
// exception Action raises reaches the boundary handler and goes no further, so the program
// carries on.
template <typename F>
void Guarded(TObject* Sender, F&& Action) noexcept
{
    try {
        Action();
    } catch (...) {
        HandleExceptionAtBoundary(Sender);
    }
}

}  // namespace plat
