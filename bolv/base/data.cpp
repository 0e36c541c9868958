#include "data.h"

namespace bolv {

namespace {
bool bisestile(int anno) {
    return (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
}
int giornimese(int anno, int mese) {
    static const int giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mese == 2 && bisestile(anno) ? 29 : giorni[mese - 1];
}
} // namespace

Data Data::normalizzata(int anno, int mese, int giorno) {
    // Month first (month 0 is December of the year before), then the day.
    anno += (mese - 1) >= 0 ? (mese - 1) / 12 : -((12 - mese) / 12);
    mese = ((mese - 1) % 12 + 12) % 12 + 1;
    while (giorno < 1) {
        if (--mese == 0) {
            mese = 12;
            --anno;
        }
        giorno += giornimese(anno, mese);
    }
    while (giorno > giornimese(anno, mese)) {
        giorno -= giornimese(anno, mese);
        if (++mese == 13) {
            mese = 1;
            ++anno;
        }
    }
    return {anno, mese, giorno};
}

long Data::giorniassoluti() const {
    // Days from the civil calendar (proleptic Gregorian), 1 January 1 = 0.
    long y = anno - (mese <= 2 ? 1 : 0);
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long mp = (mese + 9) % 12;
    long doy = (153 * mp + 2) / 5 + giorno - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 306;
}

int Data::giornosettimana() const {
    // 1 January of year 1 was a Monday (2 with Sunday = 1).
    long g = (giorniassoluti() + 1) % 7;
    if (g < 0) g += 7;
    return static_cast<int>(g) + 1;
}

} // namespace bolv
