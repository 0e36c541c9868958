// The progress and stop of a long computation, shared between the computation and the
// window that shows it.
//
// The computation reports how far it is with avanza() and stops as soon as that returns
// true. Both calls are a relaxed atomic store and load, so a computation may call them as
// often as every group it builds; it should call them at least every few milliseconds of
// work, which is what lets "Interrompi" take effect at once. The window (another thread,
// or the same one between two calls) reads percento() and asks for the stop with
// interrompi().
#pragma once

#include <atomic>

namespace bolv {

class Avanzamento {
  public:
    // Records the percentage done (0..100); true when the computation is to stop.
    bool avanza(int percento) {
        percento_.store(percento, std::memory_order_relaxed);
        return interrotto();
    }
    // True once a stop has been asked for.
    bool interrotto() const { return fermo_.load(std::memory_order_relaxed); }
    void interrompi() { fermo_.store(true, std::memory_order_relaxed); }
    int percento() const { return percento_.load(std::memory_order_relaxed); }

  private:
    std::atomic<bool> fermo_{false};
    std::atomic<int> percento_{0};
};

} // namespace bolv
