#include "engine/forward/constituent.h"

#define TOVI_FIELD(f)                                                                                                  \
    NumericResultField                                                                                                 \
    {                                                                                                                  \
#f, &ConstituentResults::f                                                                                     \
    }

const std::array<NumericResultField, 53>& numericResultFields()
{
    static const std::array<NumericResultField, 53> fields = {
        TOVI_FIELD(SWINGh),       TOVI_FIELD(SWINGr),       TOVI_FIELD(SWINGsh),      TOVI_FIELD(SWINGsr),
        TOVI_FIELD(FISHINGh),     TOVI_FIELD(FISHINGr),     TOVI_FIELD(FISHINGsh),    TOVI_FIELD(FISHINGsr),
        TOVI_FIELD(AMBCONC),      TOVI_FIELD(ECOCHRNs),     TOVI_FIELD(AIRINHVh),     TOVI_FIELD(AIRINHVr),
        TOVI_FIELD(AIRINHVsh),    TOVI_FIELD(AIRINHVsr),    TOVI_FIELD(AIRINHPh),     TOVI_FIELD(AIRINHPr),
        TOVI_FIELD(AIRINHPsh),    TOVI_FIELD(AIRINHPsr),    TOVI_FIELD(SOILINGh),     TOVI_FIELD(SOILINGr),
        TOVI_FIELD(SOILINGsh),    TOVI_FIELD(SOILINGsr),    TOVI_FIELD(LMTTOTAL),     TOVI_FIELD(GWINGh),
        TOVI_FIELD(GWINGr),       TOVI_FIELD(GWMaxINGsh),   TOVI_FIELD(GWMaxINGsr),   TOVI_FIELD(GWINGsh),
        TOVI_FIELD(GWINGsr),      TOVI_FIELD(GWADULTh),     TOVI_FIELD(GWADULTr),     TOVI_FIELD(GWMaxADULTsh),
        TOVI_FIELD(GWMaxADULTsr), TOVI_FIELD(GWADULTsh),    TOVI_FIELD(GWADULTsr),    TOVI_FIELD(GWCHILDh),
        TOVI_FIELD(GWCHILDr),     TOVI_FIELD(GWMaxCHILDsh), TOVI_FIELD(GWMaxCHILDsr), TOVI_FIELD(GWCHILDsh),
        TOVI_FIELD(GWCHILDsr),    TOVI_FIELD(GWINHh),       TOVI_FIELD(GWINHr),       TOVI_FIELD(SHWRRATEh),
        TOVI_FIELD(SHWRRATEr),    TOVI_FIELD(BATHRATEh),    TOVI_FIELD(BATHRATEr),    TOVI_FIELD(HSERATEh),
        TOVI_FIELD(HSERATEr),     TOVI_FIELD(GWMaxINHsh),   TOVI_FIELD(GWMaxINHsr),   TOVI_FIELD(GWINHsh),
        TOVI_FIELD(GWINHsr)};
    return fields;
}
