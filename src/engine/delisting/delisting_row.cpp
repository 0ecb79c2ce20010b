#include "engine/delisting/delisting_row.h"

#include "engine/common/engine_numbers.h"

#define TOVI_DELIST_COLUMN(f)                                                                                          \
    DelistResultColumn                                                                                                 \
    {                                                                                                                  \
#f, &DelistResults::f                                                                                          \
    }

const std::array<DelistResultColumn, 52>& delistResultColumns()
{
    static const std::array<DelistResultColumn, 52> columns = {TOVI_DELIST_COLUMN(GWINGCgsr),
                                                               TOVI_DELIST_COLUMN(GWINGCgsh),
                                                               TOVI_DELIST_COLUMN(GWINGsr),
                                                               TOVI_DELIST_COLUMN(GWINGsh),
                                                               TOVI_DELIST_COLUMN(GWINHCgsr),
                                                               TOVI_DELIST_COLUMN(GWINHCgsh),
                                                               TOVI_DELIST_COLUMN(GWINHsr),
                                                               TOVI_DELIST_COLUMN(GWINHsh),
                                                               TOVI_DELIST_COLUMN(GWADULTCgsr),
                                                               TOVI_DELIST_COLUMN(GWADULTCgsh),
                                                               TOVI_DELIST_COLUMN(GWADULTsr),
                                                               TOVI_DELIST_COLUMN(GWADULTsh),
                                                               TOVI_DELIST_COLUMN(GWCHILDCgsr),
                                                               TOVI_DELIST_COLUMN(GWCHILDCgsh),
                                                               TOVI_DELIST_COLUMN(GWCHILDsr),
                                                               TOVI_DELIST_COLUMN(GWCHILDsh),
                                                               TOVI_DELIST_COLUMN(GWMaxADULTsr),
                                                               TOVI_DELIST_COLUMN(GWMaxADULTsh),
                                                               TOVI_DELIST_COLUMN(GWMaxCHILDsr),
                                                               TOVI_DELIST_COLUMN(GWMaxCHILDsh),
                                                               TOVI_DELIST_COLUMN(SWINGCswsr),
                                                               TOVI_DELIST_COLUMN(SWINGCswsh),
                                                               TOVI_DELIST_COLUMN(SWINGsr),
                                                               TOVI_DELIST_COLUMN(SWINGsh),
                                                               TOVI_DELIST_COLUMN(FISHINGCfishsr),
                                                               TOVI_DELIST_COLUMN(FISHINGCfishsh),
                                                               TOVI_DELIST_COLUMN(FISHINGCswsr),
                                                               TOVI_DELIST_COLUMN(FISHINGCswsh),
                                                               TOVI_DELIST_COLUMN(FISHINGsr),
                                                               TOVI_DELIST_COLUMN(FISHINGsh),
                                                               TOVI_DELIST_COLUMN(AIRCairsr),
                                                               TOVI_DELIST_COLUMN(AIRCairsh),
                                                               TOVI_DELIST_COLUMN(AIRQpsr),
                                                               TOVI_DELIST_COLUMN(AIRQpsh),
                                                               TOVI_DELIST_COLUMN(AIRQp10sr),
                                                               TOVI_DELIST_COLUMN(AIRQp10sh),
                                                               TOVI_DELIST_COLUMN(AIRINHPsr),
                                                               TOVI_DELIST_COLUMN(AIRINHPsh),
                                                               TOVI_DELIST_COLUMN(AIRINHVsr),
                                                               TOVI_DELIST_COLUMN(AIRINHVsh),
                                                               TOVI_DELIST_COLUMN(AIRSIsr),
                                                               TOVI_DELIST_COLUMN(AIRSIsh),
                                                               TOVI_DELIST_COLUMN(SOILINCsoilsr),
                                                               TOVI_DELIST_COLUMN(SOILINCsoilsh),
                                                               TOVI_DELIST_COLUMN(SOILINCairsr),
                                                               TOVI_DELIST_COLUMN(SOILINCairsh),
                                                               TOVI_DELIST_COLUMN(SOILINGsr),
                                                               TOVI_DELIST_COLUMN(SOILINGsh),
                                                               TOVI_DELIST_COLUMN(DAF),
                                                               TOVI_DELIST_COLUMN(WVDAF),
                                                               TOVI_DELIST_COLUMN(H_DAF),
                                                               TOVI_DELIST_COLUMN(H_WVDAF)};
    return columns;
}

std::optional<double> storedSingle(double x)
{
    const std::optional<float> f = toSingle(x);
    if (!f)
        return std::nullopt;
    return double(*f);
}
