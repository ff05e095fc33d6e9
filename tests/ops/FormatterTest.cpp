#include "ops/Formatter.h"
#include <gtest/gtest.h>

using velmora::Format;

TEST(Formatter, InsertsValuesUnchangedInOrder)
{
    EXPECT_EQ(Format("\"%s\" output \"%s\"", {"C:\\a b\\x.pdf", "y \"z\""}),
              "\"C:\\a b\\x.pdf\" output \"y \"z\"\"");
    EXPECT_EQ(Format("%s%s-%s", {"A", "1", "end"}), "A1-end");
    EXPECT_EQ(Format("100% sure %d", {}), "100% sure %d");
}

TEST(Formatter, ToleratesFewerOrMoreValuesThanPlaces)
{
    EXPECT_EQ(Format("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(Format("%s", {"one", "two"}), "one");
    EXPECT_EQ(Format("a %s b", {"%s"}), "a %s b");
}
