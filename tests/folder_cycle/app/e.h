#pragma once

#include "data/a.h"
