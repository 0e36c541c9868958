#include "DrawUtils.h"
