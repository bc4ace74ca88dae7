// The GUIDs of the tool's type library, defined once for the program.
#include <initguid.h>

#include "tessorin_h.h"
