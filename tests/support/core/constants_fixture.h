#pragma once

#include <QVariantMap>

// A CONSTNTS row of plausible values for tests that run whole calculations (never the shipped
// row). VKT is replaced by every run.
QVariantMap constantsRow();
