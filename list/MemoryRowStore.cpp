#include "list/MemoryRowStore.h"
