#include "view/SortOrder.h"
