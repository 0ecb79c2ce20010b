#pragma once

#include "platform/db/recordset.h"

#include <functional>
#include <utility>

// A record set read when it is first used rather than when it is opened, so that a set kept
// open for later use costs nothing until something reads it. A set whose reading fails stays
// closed.
class DeferredRecordset {
public:
    using Reader = std::function<Result<Recordset>()>;

    void open(Reader reader)
    {
        m_rs.close();
        m_reader = std::move(reader);
    }
    void close()
    {
        m_reader = nullptr;
        m_rs.close();
    }

    Recordset& operator*() { return get(); }
    Recordset* operator->() { return &get(); }

private:
    Recordset& get()
    {
        if (m_reader)
            if (Result<Recordset> rs = std::exchange(m_reader, nullptr)(); rs)
                m_rs = std::move(*rs);
        return m_rs;
    }

    Reader m_reader;
    Recordset m_rs;
};

inline void CloseRecordset(DeferredRecordset& rs)
{
    rs.close();
}
