#include "ui/main/analysis_host.h"

namespace {
AnalysisHost* g_host = nullptr;
}   // namespace

AnalysisHost* analysisHost()
{
    return g_host;
}

void setAnalysisHost(AnalysisHost* host)
{
    g_host = host;
}
