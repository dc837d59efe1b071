#pragma once

#include <QString>

// The product's own name and addresses, as every window and printout shows them.
QString programTitle();
// "Version " and the version, as the About window's label shows it.
QString versionLabel();
QString webAddress();
QString supportEmail();
