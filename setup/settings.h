#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The numeric choices of the setup, kept equal to the sliders by the setup
// panel and read by the game and the worksheet. The on/off choices live in the
// setup controls themselves.
struct GameSettings
{
    int cardCount = 10;
    int topMin = 1;
    int topMax = 1;
    int bottomMin = 1;
    int bottomMax = 1;
    int divisorLow = 2;
    int divisorHigh = 2;
    int topLimit = 1;
    int bottomLimit = 1;
    bool advancedRange = false;
    qint16 cardTimeLimit = 2; // seconds, not kept in the file
    int gameTimeLimit = 1;    // minutes, not kept in the file
};

// The 25 fields of "sumdrop.ini", in file order.
struct SettingsRecord
{
    int cardCount = 10;
    bool useAddition = false;
    bool useSubtraction = false;
    bool useMultiplication = false;
    bool useDivision = false;
    bool timerOn = false;
    bool soundsOn = false;
    bool verbalMode = false;
    bool showSummary = false;
    int topMin = 1;
    int topMax = 1;
    int bottomMin = 1;
    int bottomMax = 1;
    int divisorLow = 2;
    int divisorHigh = 2;
    int topLimit = 1;
    int bottomLimit = 1;
    qint16 answerFormat = 0; // 1 separate boxes, 2 single box, anything else: unchanged
    bool showCardCount = false;
    bool showPreviousCard = false;
    bool showCarryBoxes = false;
    bool advancedRange = false;
    bool useKeypad = false;
    bool highlightEntry = false;
    bool skipIntroHelp = false;

    bool operator==(const SettingsRecord &) const = default;
};

inline const QString settingsFileName = QStringLiteral("sumdrop.ini");

// Parses the file's bytes; absent, unreadable or out-of-range fields take the
// rules of the settings file (defaults, clamping). Never fails.
SettingsRecord parseSettings(const QByteArray &bytes);
// The exact bytes of the file: 25 CRLF-terminated lines.
QByteArray formatSettings(const SettingsRecord &record);

// Missing or unreadable file: the defaults.
SettingsRecord loadSettingsFile(const QString &path = settingsFileName);
// Atomic: a failed write leaves the old file whole. Returns false on failure.
bool saveSettingsFile(const SettingsRecord &record, const QString &path = settingsFileName,
                      QString *error = nullptr);
