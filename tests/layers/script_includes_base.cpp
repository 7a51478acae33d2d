// Compiles: the base library lies below the interpreter.
#include "base/variant.h"
