#pragma once

#include <QMainWindow>

#include <memory>

class Dialogs;
class GameBoard;
class PictureSet;
class Platform;
struct GameSession;
struct GameSettings;
class QAction;
class QLabel;
class QMenu;
class SetupLock;
class SetupPanel;
class ZoomView;

// frmProgram: the banner, the setup tabs, the game board and the menu bar.
// The control groups are built by their owners; this window places them.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // pictures is the program's picture set, which Fit to Screen replaces.
    MainWindow(Platform &platform, Dialogs &dialogs, GameSettings &settings, const GameSession &session,
               PictureSet &pictures, double screenScale);
    ~MainWindow() override;

    // The start states and places of the start-up, by screenScale.
    void layOut();

    // The Options menu is off while a game runs or a worksheet prints.
    void setOptionsMenuEnabled(bool enabled);

    // "Fit to Screen": between games, the design scaled to the screen or
    // back at its documented size and place, with the pictures to match.
    void applyZoom(bool zoomed);
    void setZoomed(bool zoomed);
    // The class server's status at the menu bar's end; empty hides it.
    void showClassStatus(const QString &text);
    // The user option of "Fit to Screen".
    static QString zoomOption() { return QStringLiteral("fitToScreen"); }
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
    QAction *mnuClassServer = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuContents = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuWeb = nullptr;

    QLabel *imgBanner = nullptr;
    // At the menu bar's end, while a class server is in use.
    QLabel *lblClassStatus = nullptr;
    std::unique_ptr<GameBoard> board;
    SetupPanel *setup = nullptr;
    SetupLock *lock = nullptr;

protected:
    // Leaving by the close box ends the program without saving the setup.
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void showPictures();

    Platform &platform;
    const GameSession &session;
    PictureSet &pictures;
    const double screenScale;
};
