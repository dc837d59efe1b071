#pragma once

#include <QPixmap>

#include "resources/pictureids.h"

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

// The one loader of every stored picture; a null pixmap for an unknown id.
QPixmap loadPicture(int id, PictureKind kind = PictureKind::Bitmap);

// The card pictures of one size, loaded once at start-up.
struct PictureSet
{
    bool small = false;
    QPixmap digit[10];
    QPixmap blank;
    QPixmap plus;
    QPixmap minus;
    QPixmap times;
    QPixmap card;
    QPixmap answerLine;
    QPixmap bracket;

    static PictureSet load(bool small);
};
