#include "CalcoliCruciverbaEsporta.h"
