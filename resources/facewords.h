#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "resources/pictureids.h"

class QColor;
class QPainter;

// The button faces with a word on them. The art generator draws each with
// its English word and, under blankId, without a word, so that the program
// can letter it in the language in use with the generator's own hand.
struct WordFace
{
    int id;
    int blankId;
    const char *word;
    qreal radius; // of the face's rounded corners
};

inline constexpr WordFace wordFaces[] = {
    {PictureId::RightButton, 311, "RIGHT", 12},
    {PictureId::WrongButton, 312, "WRONG", 12},
    {PictureId::StartFace, 313, "Start", 26},
    {PictureId::StopFace, 314, "Stop", 26},
};

// Null for a picture without a word.
const WordFace *findWordFace(int id);

// The first of the families that is installed, bold, 100 pixels tall; the
// default face when none is (then found is false).
QFont boldArtFace(const QStringList &families, bool *found = nullptr);
// The face the faces' words (and the art's other captions) are lettered in.
QFont faceWordsFont(bool *found = nullptr);

// Fills text as a path, its ink centred on centre and exactly inkHeight tall
// when sized by the reference text (so that a row of digits share one size).
void fillCentredText(QPainter &painter, const QFont &font, const QString &text, QPointF centre,
                     qreal inkHeight, const QColor &colour, const QString &reference = {});

// The part of a face of the given size (in its own pixels at 1x) that a word
// may cover: clear of the rounded ends.
QRectF faceWordRoom(QSizeF size, qreal radius);

// Letters the word with its shadow on a face drawn in units of the face's 1x
// pixels; a word too long for the room is made smaller, never cut.
void paintFaceWord(QPainter &painter, const QFont &font, const QString &word, QSizeF size, qreal radius);

// The face's wordless picture, drawn at the multiple of its size that is its
// device pixel ratio, with the word lettered on it.
QImage letterFace(const WordFace &face, const QImage &blank, const QString &word);
