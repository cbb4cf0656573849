#include "list/ListFile.h"
