#pragma once

#include "../core/c.h"
