// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Links of the maker's web pages.
#include "common/web_pages.h"

#include "common/platform.h"
#include "common/program_identity.h"

namespace orbis {

QString PageKey(WebPage page)
{
    switch (page) {
    case WebPage::HelpWebPage:
        return QStringLiteral("help-web-page");
    case WebPage::HomePage:
        return QStringLiteral("home-page");
    case WebPage::DownloadWebPage:
        return QStringLiteral("download-web-page");
    case WebPage::FullyBranded:
        return QStringLiteral("fully-branded");
    case WebPage::CoBrand:
        return QStringLiteral("co-brand");
    }
    return {};
}

QString SiteHost()
{
    return QString::fromLatin1(identity::kSiteHost);
}

QUrl WebPageLink(WebPage page)
{
    // Encrypted, so that nobody on the way can swap the download page for another.
    return QUrl(QStringLiteral("https://") + SiteHost() +
                QStringLiteral("/orbis-free-tessary/ssd.php?page=") + PageKey(page));
}

void OpenWebPage(Platform& platform, WebPage page)
{
    platform.openUrl(WebPageLink(page));
}

} // namespace orbis
