// The walk of one wheel's groups for the ranking of number groups: every group of k
// numbers of 1..90 in ascending lexicographic order, less those that cannot pass where they
// go (a partial group whose best possible completion cannot beat the threshold, or that can
// no longer hold every Vincoli number).
#pragma once

#include "avanzamento.h"
#include "classifica.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace bolv {

// One wheel's statistic as the walks read it, with the bounds made from it once.
struct Datiruota;

// For the ranking order ordine (a "Minimi" ranking is walked as the largest of the negated
// values). A stop asked for meanwhile leaves the bounds unfinished: the walk then ends at
// once.
std::shared_ptr<const Datiruota> datiruota(const Tavole& t, int ruota, int ordine,
                                           const Avanzamento& a);

// Where the groups that pass go, and the threshold they must beat.
class Destinazione {
  public:
    virtual ~Destinazione() = default;
    // A group passes when its (signed) value is above this.
    virtual int64_t soglia() const = 0;
    virtual void offri(const int* c, int k, int32_t valore) = 0;
    // The groups done (walked, or passed over as unable to pass) since the last report:
    // every few hundred steps of the walk, and at the end of each root.
    virtual void avanzamento(uint64_t gruppi) = 0;
};

class Camminata {
  public:
    virtual ~Camminata() = default;
    // The groups that begin with x1 (and x2 when x2 > 0); false when a stop cut it short.
    virtual bool radice(int x1, int x2) = 0;
};

// The walk that suits the wheel's statistic.
std::unique_ptr<Camminata> camminata(const Datiruota& d, int k, const std::vector<int>& vincoli,
                                     Destinazione& dest, Avanzamento& a);

} // namespace bolv
