#pragma once

#include <QWidget>

#include <functional>

#include "help/helptopics.h"

class ClickLabel;
class QLabel;
class QPushButton;

// One topic window of the help: its picture on the left, the texts on the
// right, notes below. Created once, then only shown and hidden.
class HelpTopic : public QWidget
{
    Q_OBJECT
public:
    // picture is asked for when the window is first shown, so that it shows
    // the program as it is then; null for a window without a picture.
    HelpTopic(const HelpPage &page, std::function<QPixmap()> picture);

    // Shows the window, taking its picture and centring it over the given
    // window the first time.
    void open(const QWidget *over);

    QLabel *Picture1 = nullptr; // null when the topic has no picture
    ClickLabel *link = nullptr; // the "Click HERE" paragraph, if any
    QPushButton *Command1 = nullptr;

signals:
    void linkClicked();
    // Close, or the window's own close box: the window is hidden.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void fitToContents();

    std::function<QPixmap()> picture;
    bool shownBefore = false;
    QList<QLabel *> noteTexts;
};

// Shared look of the help windows' texts.
QLabel *makeHelpText(QWidget *parent, const QString &text);
ClickLabel *makeHelpLink(QWidget *parent, const QString &name, const QString &text);
