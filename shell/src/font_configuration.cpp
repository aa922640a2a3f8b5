// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace orbis {

FontConfigurationPreload::FontConfigurationPreload()
{
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration when it first needs it.
    }
}

FontConfigurationPreload::~FontConfigurationPreload()
{
    if (reader_.joinable())
        reader_.join();
}

} // namespace orbis
