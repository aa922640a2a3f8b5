// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's web pages that menus and labels open.
#pragma once

#include <QString>
#include <QUrl>

namespace orbis {

class Platform;

enum class WebPage { HelpWebPage, HomePage, DownloadWebPage, FullyBranded, CoBrand };

// The value of the "page" query key.
QString PageKey(WebPage page);

// The site's host is a build setting; the path and query are fixed.
QString SiteHost();
QUrl WebPageLink(WebPage page);

// Fire and forget: nothing is waited for or reported.
void OpenWebPage(Platform& platform, WebPage page);

} // namespace orbis
