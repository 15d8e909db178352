#include "ModelTestSupport.h"
