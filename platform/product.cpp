#include "platform/product.h"

#include <QCoreApplication>

#include "version.h"

QString programTitle()
{
    return QStringLiteral("Sumdrop");
}

QString versionLabel()
{
    return QCoreApplication::translate("Program", "Version ") + QLatin1String(sumdropVersion);
}

QString webAddress()
{
    return QStringLiteral("https://www.sumdrop.example/");
}

QString supportEmail()
{
    return QStringLiteral("support@sumdrop.example");
}
