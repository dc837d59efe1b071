#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "history/historystore.h"

// Every card of a child as CSV (RFC 4180: quoted fields, CRLF), UTF-8 with a
// byte order mark and a header row, which spreadsheets read back unchanged.
QByteArray historyCsv(const QString &child, const QList<StoredCard> &cards);
// One quoted field; text a spreadsheet would run as a formula is kept as text.
QString csvField(const QString &text);
