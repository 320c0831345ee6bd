#include "common/WebSite.h"

namespace WebSite {

namespace {

QString page(const char* pathAndQuery)
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(pathAndQuery);
}

} // namespace

QString homePageAddress()
{
    return QLatin1String(host);
}

QString homePageCaption()
{
    return QStringLiteral("http://") + QLatin1String(host);
}

QString donationPageAddress()
{
    return page("/?page_id=4813");
}

QString otherProgramsPageAddress()
{
    return page("/?page_id=60");
}

QString usageHelpPageAddress()
{
    return page("/?p=11864");
}

} // namespace WebSite
