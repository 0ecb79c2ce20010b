#pragma once

#include "ui/b.h"
