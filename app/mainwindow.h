#pragma once

#include <QMainWindow>

class AnswerArea;
class CardView;
class FeedbackView;
class Keypad;
class Program;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class SetupLock;
class SetupPanel;
class TimerDisplay;
class ZoomView;

// frmProgram: the banner, the setup tabs, the card and the menu bar. The
// control groups are owned by their own objects; this window places them.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Program &program);

    // The start states and places of the start-up, by screenScale.
    void layOut();

    // The Options menu is off while a game runs or a worksheet prints.
    void setOptionsMenuEnabled(bool enabled);

    // The Start button's face: the picture of imgStart or imgStop.
    void showStartFace(bool stop);

    // "Fit to Screen": between games, the design scaled to the screen or
    // back at its documented size and place, with the pictures to match.
    void applyZoom(bool zoomed);
    void setZoomed(bool zoomed);
    ZoomView *zoomView = nullptr; // while zoomed

    QWidget *client = nullptr; // the client area every position is measured in

    QMenu *mnuFile = nullptr;
    QAction *mnuSavedGame = nullptr;
    QAction *mnuProgress = nullptr;
    QAction *mnuQuit = nullptr;
    QMenu *mnuOptions = nullptr;
    QAction *mnuWorksheet = nullptr;
    QAction *mnuToolTips = nullptr;
    QAction *mnuAdvanced = nullptr;
    QAction *mnuBasic = nullptr;
    QAction *mnuSetup = nullptr;
    QAction *mnuPrevious = nullptr;
    QAction *mnuZoom = nullptr;
    QAction *mnuWeakWorksheet = nullptr;
    QAction *mnuReprint = nullptr;
    QAction *mnuAnswerKey = nullptr;
    QAction *mnuPreview = nullptr;
    QAction *mnuLock = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuContents = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuWeb = nullptr;

    QLabel *imgBanner = nullptr;
    QPushButton *cmdStart = nullptr;
    QLabel *imgStart = nullptr;
    QLabel *imgStop = nullptr;
    QLabel *lblCardReport = nullptr;
    QTimer *Timer1 = nullptr;

    SetupPanel *setup = nullptr;
    SetupLock *lock = nullptr;
    CardView *card = nullptr;
    AnswerArea *answers = nullptr;
    Keypad *keypad = nullptr;
    FeedbackView *feedback = nullptr;
    TimerDisplay *timers = nullptr;

protected:
    // Leaving by the close box ends the program without saving the setup.
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void connectPrinting();
    void showPictures();

    Program &program;
};
