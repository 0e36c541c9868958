#include "CalcoliCruciverbaStampa.h"
