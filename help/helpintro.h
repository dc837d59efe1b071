#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "help/helptopics.h"

class ClickLabel;
class HelpTopic;
class Keypad;
class QCheckBox;
class QLabel;
class QPushButton;
class SetupPanel;

// frmHelpIntro: the introduction help and the door to the topic windows. It
// is hidden, never destroyed, so that its check box is still there when Quit
// saves it. At any moment exactly one help window accepts input: an open
// topic disables the introduction, which in turn keeps the main window
// disabled until its own Close.
class HelpIntro : public QWidget
{
    Q_OBJECT
public:
    // The pictures of the setup tabs and the keypad are taken from the live
    // controls of mainWindow.
    HelpIntro(QWidget *mainWindow, SetupPanel &setup, Keypad &keypad);
    ~HelpIntro() override;

    // Shows the introduction and disables the main window until Close.
    void showIntroduction();
    // Shows a topic window, over the introduction or the given window; the
    // introduction waits, disabled, until it closes.
    void openTopic(HelpTopicId id, const QWidget *over = nullptr);
    // The topic window, created the first time it is asked for.
    HelpTopic *topic(HelpTopicId id);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Picture1 = nullptr;
    // Click areas over the pictured tab headings.
    ClickLabel *Label3 = nullptr; // Setup
    ClickLabel *Label6 = nullptr; // Number Range
    ClickLabel *Label7 = nullptr; // Math Functions
    ClickLabel *Label4 = nullptr; // Answer Format
    ClickLabel *Label5 = nullptr; // Timer Options
    ClickLabel *Label9 = nullptr;
    ClickLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr; // a tip for large screens
    QCheckBox *chkStartupHelp = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    // The close box acts as Close, so the main window is never left disabled.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTabHeadings();
    QPixmap topicPicture(HelpTopicId id) const;
    QPixmap grabEnabled(const std::function<QPixmap()> &grab) const;
    QPixmap grabSetupPage(const QString &caption, bool advancedFrames = false) const;

    QWidget *mainWindow;
    SetupPanel &setup;
    Keypad &keypad;
    std::array<std::unique_ptr<HelpTopic>, helpTopicCount> topics;
};
