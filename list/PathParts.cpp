#include "list/PathParts.h"
