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
// Above a device pixel ratio of 1 it loads the double-size drawing marked
// with its ratio, so that it keeps its logical size and shows every pixel.
QPixmap loadPicture(int id, PictureKind kind = PictureKind::Bitmap, qreal ratio = 1);
// A button face that carries a word, with the word given: the stored picture
// when it is the face's own English word, else the face lettered with it.
QPixmap loadFace(int id, const QString &word, qreal ratio = 1);

// The card pictures of one size, loaded once at start-up.
// Each picture is read from the stored bitmaps once, on first use, so that
// start-up reads only what the idle card shows.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name is the compiler's own, in the implicit copy of the array below
class PictureSet
{
public:
    // The double-size drawings on high-density screens and in the zoomed
    // window, where they are shrunk to the window's factor.
    static PictureSet load(bool small, bool zoomed = false);

    bool small = false;
    bool sharp = false;
    QPixmap byId(int id, PictureKind kind = PictureKind::Bitmap) const;
    QPixmap face(int id, const QString &word) const;
    const QPixmap &digit(int d) const { return picture(d, CardPictureId::digits[d]); }
    const QPixmap &blank() const { return picture(10, CardPictureId::blank); }
    const QPixmap &plus() const { return picture(11, CardPictureId::plus); }
    const QPixmap &minus() const { return picture(12, CardPictureId::minus); }
    const QPixmap &times() const { return picture(13, CardPictureId::times); }
    const QPixmap &card() const { return picture(14, CardPictureId::card); }
    const QPixmap &answerLine() const { return picture(15, CardPictureId::answerLine); }
    const QPixmap &bracket() const { return picture(16, CardPictureId::bracket); }

private:
    const QPixmap &picture(int slot, CardPictureId::Pair ids) const;

    mutable QPixmap loaded[17];
};
