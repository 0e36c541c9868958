#include "StampanteQt.h"
