#pragma once

namespace plat {

class TObject;

// Hands the exception being handled to Application->HandleException(Sender). Call it only
// inside a catch block; it never raises.
void HandleExceptionAtBoundary(TObject* Sender) noexcept;

// Runs Action at the edge between Qt (or a service callback) and the control layer: an
// exception Action raises reaches Application->HandleException(Sender) and goes no further, so
// the program carries on.
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
