// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform seam on Qt: QMessageBox, QDesktopServices, settings file, instance lock, QScreen.
#pragma once

#include "common/platform.h"

#include <QLockFile>
#include <memory>

namespace orbis {

class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title,
                              MessageIcon icon, MessageButtons buttons) override;
    void openUrl(const QUrl& url) override;
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override;
    bool writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override;
    bool tryLockInstance() override;
    void showMaximized(QWidget* window) override;
    QDateTime now() override;
    double screenWidthTwips() override;
    QString applicationName() override;

    // Where the instance lock lives for `application`: in a folder private to the user, the
    // runtime folder where there is one; empty when there is no such folder.
    static QString lockFilePath(const QString& application);

private:
    std::unique_ptr<QLockFile> instanceLock_;
};

} // namespace orbis
