// Defines, once, the GUIDs that the generated headers declare.
#include <initguid.h>
#include "internal_h.h"
#include "vestrel_h.h"
