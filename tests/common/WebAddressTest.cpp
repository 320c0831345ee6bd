#include "common/WebAddress.h"
#include "common/WebSite.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(WebSiteTest, PagesAreOnTheReservedExampleDomain)
{
    EXPECT_EQ(WebSite::homePageAddress(), QString("kavrel-spect.example.com"));
    EXPECT_EQ(WebSite::homePageCaption(), QString("http://kavrel-spect.example.com"));
    EXPECT_EQ(WebSite::donationPageAddress(), QString("http://kavrel-spect.example.com/?page_id=4813"));
    EXPECT_EQ(WebSite::otherProgramsPageAddress(), QString("http://kavrel-spect.example.com/?page_id=60"));
    EXPECT_EQ(WebSite::usageHelpPageAddress(), QString("http://kavrel-spect.example.com/?p=11864"));
}

TEST(BrowserUrlTest, BareHostGetsTheHttpScheme)
{
    const QUrl url = browserUrl("kavrel-spect.example.com");
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), QString("http"));
    EXPECT_EQ(url.host(), QString("kavrel-spect.example.com"));
    EXPECT_EQ(url.toString(), QString("http://kavrel-spect.example.com"));

    // Blanks around the address, as a caption might carry them, do not count.
    EXPECT_EQ(browserUrl("  www.example.com ").toString(), QString("http://www.example.com"));
    // A port is not mistaken for a scheme.
    EXPECT_EQ(browserUrl("www.example.com:8080").toString(), QString("http://www.example.com:8080"));
}

TEST(BrowserUrlTest, FullAddressesAreKept)
{
    EXPECT_EQ(browserUrl("http://kavrel-spect.example.com/?page_id=4813").toString(),
              QString("http://kavrel-spect.example.com/?page_id=4813"));
    EXPECT_EQ(browserUrl("https://www.example.org/a?p=1").toString(), QString("https://www.example.org/a?p=1"));
    EXPECT_EQ(browserUrl("HTTP://www.example.com/").scheme(), QString("http"));
}

TEST(BrowserUrlTest, NothingToOpenGivesAnInvalidUrl)
{
    EXPECT_FALSE(browserUrl("").isValid());
    EXPECT_FALSE(browserUrl("   ").isValid());
    EXPECT_FALSE(browserUrl("http://").isValid());
    EXPECT_FALSE(browserUrl("exa mple.com").isValid());
}

} // namespace
