// Must not compile: the interpreter's library may use only the base library,
// so the report model's headers are not visible to it.
#include "report/model/report.h"
