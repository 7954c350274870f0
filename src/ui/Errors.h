#pragma once
// Run-time errors of the controls (an index outside a list, a value a check
// box does not take, a folder that does not exist). Window code that must go
// on after a failing statement catches them with skip().

#include <stdexcept>
#include <string>

namespace ui {

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }

  private:
    int code_;
};

inline constexpr int kInvalidCall = 5;
inline constexpr int kInvalidValue = 380;
inline constexpr int kPathNotFound = 76;
inline constexpr int kTypeMismatch = 13;

// Runs one statement; a run-time error in it is dropped and the caller goes on.
template <class F> bool skip(F&& statement) {
    try {
        statement();
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

} // namespace ui
