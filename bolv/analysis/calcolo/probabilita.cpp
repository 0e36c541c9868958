#include "probabilita.h"

#include "combinatoria.h"

namespace bolv {

float vincita(const std::array<float, NUMVINCITE>& vincite, int k, int n) {
    return vincite[(k - 1) + 5 * (n - 1)];
}

double indiceequita(const std::array<float, NUMVINCITE>& vincite, int n, int k) {
    if (n < 1 || n > 10 || k < 1 || k > 5 || numcombinazioni(n, k) <= 0) return 0;
    return vincita(vincite, k, n) / ciclicita(n, k);
}

} // namespace bolv
