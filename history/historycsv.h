#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "history/historystore.h"

// Every card of a child as CSV (RFC 4180: quoted fields, CRLF), UTF-8 with a
// byte order mark and a header row, which spreadsheets read back unchanged.
QByteArray historyCsv(const QString &child, const QList<StoredCard> &cards);
// The same in pieces, for writing as the cards are read.
QByteArray historyCsvHeader();
QByteArray historyCsvRow(const QString &child, const StoredCard &card);
// The class's cards: the same columns, and the machine each was played on.
QByteArray classCsvHeader();
QByteArray classCsvRow(const ClassCard &card);
// One quoted field; text a spreadsheet would run as a formula is kept as text.
QString csvField(const QString &text);
