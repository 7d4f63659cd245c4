#include "Settings.h"

std::unique_ptr<QSettings> openSettings()
{
    auto settings = std::make_unique<QSettings>();
    settings->setFallbacksEnabled(false);
    return settings;
}
