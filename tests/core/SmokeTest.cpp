#include <gtest/gtest.h>
#include "list/ListSettings.h"
TEST(Smoke, FreshSettings) { CListSettings s; EXPECT_EQ(s.GetDefaultPosition(), "Stretch"); }
