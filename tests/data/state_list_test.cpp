#include "data/state_list.h"

#include <gtest/gtest.h>

TEST(StateList, EntriesByPosition)
{
    EXPECT_EQ(GetStateListItem(0).value(), "AK - Alaska");
    EXPECT_EQ(GetStateListItem(7).value(), "DC - District of Columbia");
    EXPECT_EQ(GetStateListItem(18).value(), "LA - Lousiana");
    EXPECT_EQ(GetStateListItem(50).value(), "WY - Wyoming");
    EXPECT_EQ(GetStateListItem(51).value(), "PR - Puerto Rico");
    EXPECT_EQ(GetStateListItem(-1).value(), "");
    EXPECT_FALSE(GetStateListItem(52).ok());
    EXPECT_FALSE(GetStateListItem(-2).ok());
}

TEST(StateList, EveryEntryIsCodeDashName)
{
    for (qint16 p = 0; p < kStateCount; ++p) {
        const QString entry = GetStateListItem(p).value();
        ASSERT_EQ(entry.mid(2, 3), " - ") << qPrintable(entry);
        if (p != 18 && p != 19) {
            EXPECT_EQ(GetStateCode(entry.mid(5)), entry.left(2)) << qPrintable(entry);
        }
    }
}

TEST(StateList, CodeOfName)
{
    EXPECT_EQ(GetStateCode("Ohio"), "OH");
    EXPECT_EQ(GetStateCode("OHIO"), "OH");
    EXPECT_EQ(GetStateCode("ohio"), "OH");
    EXPECT_EQ(GetStateCode("District of Columbia"), "DC");
    EXPECT_EQ(GetStateCode("Louisiana"), "LA");
    EXPECT_EQ(GetStateCode("Lousiana"), "");
    EXPECT_EQ(GetStateCode("Massachussetts"), "MA");
    EXPECT_EQ(GetStateCode("Massachusetts"), "MA");
    EXPECT_EQ(GetStateCode("Ohio "), "");
    EXPECT_EQ(GetStateCode(" Ohio"), "");
    EXPECT_EQ(GetStateCode("OH"), "");
    EXPECT_EQ(GetStateCode(""), "");
}
