#pragma once

#include "data/d.h"
