#include "data/schema.h"
#include "engine/forward/constituent.h"

#include <gtest/gtest.h>

TEST(ConstituentResults, FieldTableMatchesTheResultColumns)
{
    QStringList names;
    for (const NumericResultField& f : numericResultFields())
        names << QString::fromLatin1(f.name);
    QStringList columns = forwardResultFields();
    columns.removeOne(QStringLiteral("LMTPTHTO"));
    EXPECT_EQ(names, columns);
}
