#include <gtest/gtest.h>
#include "catalogue/Paths.h"
TEST(Smoke, JoinsFolderAndName) { EXPECT_EQ(catalogue::chkdir(QStringLiteral("/a"), QStringLiteral("b")), QStringLiteral("/a/b")); }
