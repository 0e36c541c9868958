#include "FlatCtrls.h"
