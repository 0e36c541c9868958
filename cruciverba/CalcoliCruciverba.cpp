#include "CalcoliCruciverba.h"
