#include "list/CodePage.h"
