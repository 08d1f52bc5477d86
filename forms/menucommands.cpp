#include "menucommands.h"
