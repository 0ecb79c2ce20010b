#pragma once

#include "ui/a.h"
