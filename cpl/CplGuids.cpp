// The one place the class ids are defined rather than declared.
#include <initguid.h>

#include "CplGuids.h"
