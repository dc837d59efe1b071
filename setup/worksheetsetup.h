#pragma once

// What the worksheet reads from the setup at the moment of printing.
struct WorksheetSetup
{
    bool addition = false;
    bool subtraction = false;
    bool multiplication = false;
    bool division = false;
    bool advancedRange = false;
    int topMin = 1;
    int topMax = 1;
    int bottomMin = 1;
    int bottomMax = 1;
    int topLimit = 1;
    int bottomLimit = 1;
    int divisorLow = 2;
    int divisorHigh = 2;
    int cardCount = 10;

    bool operator==(const WorksheetSetup &) const = default;
};
