// The common frame of the test seams: while an object of a seam class lives,
// the platform call it stands for is answered by it instead of a real dialog,
// menu, printer or help window. Seams nest; the newest answers.
#pragma once

namespace platform {

template <class Derived> class Seam {
  public:
    Seam() : previous_(current_) { current_ = static_cast<Derived*>(this); }
    ~Seam() { current_ = previous_; }
    Seam(const Seam&) = delete;
    Seam& operator=(const Seam&) = delete;

    // The seam in force, or null when the real platform answers.
    static Derived* active() { return current_; }

  private:
    static inline Derived* current_ = nullptr;
    Derived* previous_;
};

} // namespace platform
