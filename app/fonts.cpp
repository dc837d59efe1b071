#include "app/fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes()
{
    const QString sans = QStringLiteral("Liberation Sans");
    const QString dejaVu = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList() << sans << dejaVu);
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList() << sans << dejaVu);
    QFont::insertSubstitutions(QStringLiteral("Arial Black"), QStringList() << dejaVu << sans);
    QFont::insertSubstitutions(QStringLiteral("MS Serif"),
                               QStringList() << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif"));
    QFont::insertSubstitutions(QStringLiteral("Courier"), QStringList() << QStringLiteral("Liberation Mono")
                                                                        << QStringLiteral("DejaVu Sans Mono"));
}
