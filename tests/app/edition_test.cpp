// Each program's edition constants: the application type it declares when
// it connects and the name of its error log. Compiled once per edition with
// the edition's definition and the expected values.
#include <gtest/gtest.h>

#include "app/Edition.h"

TEST(GK_EXPECTED_SUITE, ConstantsOfTheBuiltEdition)
{
    const StGKEDITION* edition = AppEdition();
    ASSERT_NE(nullptr, edition);
    EXPECT_STREQ(GK_EXPECTED_NAME, edition->pszName);
    EXPECT_EQ(GK_EXPECTED_APP_TYPE, edition->nAppType);
    EXPECT_STREQ(GK_EXPECTED_LOG, edition->pszLogName);
    EXPECT_STREQ(GK_EXPECTED_SETTINGS, edition->pszSettingsName);
}
