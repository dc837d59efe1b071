#pragma once

#include <QList>
#include <QString>

// The topic windows of the help, in the order the introduction lists them,
// then the two reached only through a "Click HERE" link, then the one the
// Progress window opens.
enum class HelpTopicId { Setup, Level, Functions, Answer, Timer, Worksheets, Save, RangeAdv, Keypad, Progress };
inline constexpr int helpTopicCount = 10;

struct HelpParagraph
{
    QString caption; // shown bold above the text; may be empty
    QString text;
};

// What a topic window says, in reading order: heading and paragraphs beside
// the picture, then the link paragraph, then the notes below the picture.
struct HelpPage
{
    QString name;
    QString title;
    QString heading;
    QList<HelpParagraph> paragraphs;
    QString linkName; // empty: no link
    HelpParagraph link;
    HelpTopicId linkTarget = HelpTopicId::Setup;
    QList<HelpParagraph> notes;
};

// The page in the language installed now.
HelpPage helpPage(HelpTopicId id);
