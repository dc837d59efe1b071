#pragma once

// Numeric ids of the card bitmaps in the large set (wide displays) and the
// small set. Only the division and struck digits follow a rule; the rest is a map.
namespace CardPictureId {

struct Pair
{
    int large;
    int small;
    constexpr int of(bool smallSet) const { return smallSet ? small : large; }
};

inline constexpr Pair digits[10] = {{107, 147}, {108, 134}, {109, 135}, {110, 136}, {111, 137},
                                    {112, 138}, {113, 139}, {114, 140}, {115, 141}, {116, 142}};
inline constexpr Pair blank{117, 133};
inline constexpr Pair plus{106, 143};
inline constexpr Pair minus{105, 145};
inline constexpr Pair times{101, 144};
inline constexpr Pair card{102, 146};
inline constexpr Pair answerLine{104, 148};
inline constexpr Pair bracket{149, 172};

// Division digits: 150 + digit (0 counts as 10), blank 180; +10 on the small set.
constexpr int divisionDigit(int digit, bool smallSet)
{
    return 150 + (digit == 0 ? 10 : digit) + (smallSet ? 10 : 0);
}
constexpr int divisionBlank(bool smallSet)
{
    return smallSet ? 190 : 180;
}
// Struck-through digits for the borrow display.
constexpr int struckDigit(int digit, bool smallSet)
{
    return (smallSet ? 210 : 200) + digit;
}

} // namespace CardPictureId

// Bitmaps and icons live in separate numbering spaces, as 101 and 104 are
// both a card picture and an icon.
enum class PictureKind { Bitmap, Icon };

// Ids of the program's own pictures beyond the card set.
namespace PictureId {
inline constexpr int RedCrossIcon = 101;  // PictureKind::Icon
inline constexpr int GreenTickIcon = 104; // PictureKind::Icon
inline constexpr int SampleCard = 103;
inline constexpr int Logo = 300;          // banner and About window, 315 x 121
inline constexpr int RightButton = 301;   // RIGHT of a supervised game
inline constexpr int WrongButton = 302;   // WRONG of a supervised game
inline constexpr int StartFace = 303;     // cmdStart when idle
inline constexpr int StopFace = 304;      // cmdStart during a game
inline constexpr int GameClock = 305;     // imgTotalTime
inline constexpr int CardClock = 306;     // imgCardTime
inline constexpr int PreviousCard = 307;  // imgPrevious, behind the previous card's text
inline constexpr int AppIcon = 400;       // 256 x 256 window and desktop icon
} // namespace PictureId
