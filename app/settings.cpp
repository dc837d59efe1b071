#include "app/settings.h"

SettingsRecord parseSettings(const QByteArray &)
{
    return {};
}

QByteArray formatSettings(const SettingsRecord &)
{
    return {};
}

SettingsRecord loadSettingsFile(const QString &)
{
    return {};
}

bool saveSettingsFile(const SettingsRecord &, const QString &)
{
    return false;
}
