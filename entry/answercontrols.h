#pragma once

class AnswerArea;
class CardView;
class FeedbackView;
class Keypad;
class SetupPanel;
class TimerDisplay;

// The controls of the card table that answering and judging work on; the
// game board owns them, the setup panel holds the game's choices.
struct AnswerControls
{
    AnswerArea &answers;
    Keypad &keypad;
    FeedbackView &feedback;
    CardView &card;
    TimerDisplay &timers;
    const SetupPanel &setup;
};
