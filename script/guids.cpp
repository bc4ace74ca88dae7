// The one place that defines the identifiers of the debugging interfaces.
#include <initguid.h>

#include <windows.h>
#include <activdbg.h>
