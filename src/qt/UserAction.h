#pragma once
// Runs one user action in the core. The core's entry points tell the user
// of a run-time error that no window code handled; what still escapes (from
// the view's own code) must not unwind through Qt's event loop (Qt does not
// allow it): it is reported on the error output and the program goes on.

#include <exception>

#include <QtGlobal>

namespace qtview {

template <class F> void userAction(F&& action) {
    try {
        action();
    } catch (const std::exception& e) {
        qWarning("Run-time error: %s", e.what());
    }
}

} // namespace qtview
