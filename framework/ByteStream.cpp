#include "framework/ByteStream.h"
