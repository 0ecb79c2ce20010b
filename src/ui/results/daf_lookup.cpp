#include "ui/results/daf_lookup.h"

namespace {
DafLookup& installed()
{
    static DafLookup lookup;
    return lookup;
}
} // namespace

void setDafLookup(DafLookup lookup)
{
    installed() = std::move(lookup);
}

const DafLookup& dafLookup()
{
    return installed();
}
