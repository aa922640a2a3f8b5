// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform seam on Qt: QMessageBox, QDesktopServices, QScreen, the settings file and the
// instance lock.
#pragma once

#include "common/platform.h"

#include <memory>

namespace orbis {

class InstanceLock;

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

private:
    std::unique_ptr<InstanceLock> instanceLock_;
};

} // namespace orbis
