#pragma once

#include <QPixmap>

#include "resources/pictureids.h"

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
