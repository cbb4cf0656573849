#include "view/CommandRules.h"
