#pragma once

#include "platform/db/recordset.h"

// Closing and cancelling never fail: both are called on error paths and on sets that may
// never have been opened.
inline void CloseRecordset(Recordset& rs)
{
    rs.close();
}

inline void CancelRecordsetUpdate(Recordset& rs)
{
    rs.cancelUpdate();
}
