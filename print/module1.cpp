#include "module1.h"
