#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

// A printed page as plain data, so that the rules build it without a printer
// and the tests read it item by item. All positions are inches from the top
// left corner of the printable area.

struct PrintColour
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const PrintColour &) const = default;
};

inline constexpr PrintColour printBlack{0, 0, 0};
inline constexpr PrintColour printBlue{0, 0, 255};
inline constexpr PrintColour printRed{255, 0, 0};

struct PrintFont
{
    QString face; // empty: the printer's default face
    double pointSize = 10;
    bool bold = false;
    bool underline = false;
    PrintColour colour;

    bool operator==(const PrintFont &) const = default;
};

// Texts end by this many inches from the left of the printable area, which
// leaves room inside the margins of both Letter and A4 paper.
inline constexpr double printRightEdge = 7.0;

// at is the top left corner of the text's line (its top, not its baseline),
// as a printer's "current position" is. A right-aligned text ends at at.x():
// the renderer measures it with the printer's own font metrics.
struct PrintText
{
    QPointF at;
    QString text;
    PrintFont font;
    bool rightAligned = false;

    bool operator==(const PrintText &) const = default;
};

// A thin line, black unless told.
struct PrintLine
{
    QPointF from;
    QPointF to;
    PrintColour colour = printBlack;
    double points = 0.5; // width

    bool operator==(const PrintLine &) const = default;
};

// A filled rectangle with a thin black edge, or none.
struct PrintBox
{
    QRectF rect;
    PrintColour fill;
    bool edged = true;

    bool operator==(const PrintBox &) const = default;
};

using PrintItem = std::variant<PrintText, PrintLine, PrintBox>;

struct PrintPage
{
    QList<PrintItem> items;

    void add(const PrintItem &item) { items.append(item); }
    bool operator==(const PrintPage &) const = default;

    QList<PrintText> texts() const { return itemsOf<PrintText>(); }
    QList<PrintLine> lines() const { return itemsOf<PrintLine>(); }
    QList<PrintBox> boxes() const { return itemsOf<PrintBox>(); }

private:
    template<typename Item>
    QList<Item> itemsOf() const
    {
        QList<Item> found;
        for (const PrintItem &item : items)
            if (const Item *one = std::get_if<Item>(&item))
                found.append(*one);
        return found;
    }
};

// The printed width of a text in inches. The program measures with the
// printer's own font metrics; the layouts only break lines with it.
using PrintMeasure = std::function<double(const QString &, const PrintFont &)>;

// The text in lines no wider than width: broken at blanks, and by characters
// in a word too wide for a line. Text beyond maxLines is cut, and the last
// line then ends with an ellipsis.
QStringList wrapForPrint(const QString &text, const PrintFont &font, double width, int maxLines,
                         const PrintMeasure &measure);
