#pragma once

// A lower layer that reaches up: the check must refuse it.
#include "high/Top.h"
