#include "attensolver.h"
