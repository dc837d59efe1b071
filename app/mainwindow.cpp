#include "app/mainwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include "platform/product.h"
#include "ui/clicklabel.h"
#include "platform/platform.h"
#include "resources/pictures.h"
#include "app/zoomview.h"
#include "game/cardview.h"
#include "game/gamesession.h"
#include "entry/keypad.h"
#include "game/timerdisplay.h"
#include "play/gameboard.h"
#include "setup/setuplock.h"
#include "setup/setuppanel.h"
#include "ui/scale.h"
#include "ui/widgets.h"

namespace {

QAction *addCommand(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction *addUnderscoreLine(QMenu *menu, const QString &name)
{
    QAction *line = addCommand(menu, name, QString(20, QLatin1Char('_')));
    line->setEnabled(false);
    return line;
}

} // namespace

MainWindow::MainWindow(Platform &platform, Dialogs &dialogs, GameSettings &settings, const GameSession &session,
                       PictureSet &pictures, double screenScale)
    : platform(platform)
    , session(session)
    , pictures(pictures)
    , screenScale(screenScale)
{
    setObjectName(QStringLiteral("frmProgram"));
    buildMenus();

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmProgramClient"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, darkRed);
    client->setPalette(palette);
    setCentralWidget(client);

    imgBanner = makePicture(client, QStringLiteral("imgBanner"));
    imgBanner->setAccessibleName(programTitle());

    board = std::make_unique<GameBoard>(client, pictures, screenScale);
    showPictures();

    setup = new SetupPanel(settings, client);
    setup->setFixedSize(400, 420);
    setup->attachMenu(mnuAdvanced, mnuBasic, mnuToolTips, mnuSetup);
    setup->attachKeypad(board->keypad);
    lock = new SetupLock(platform, dialogs, mnuLock);
    setup->setChangeGuard([this] { return lock->mayChange(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    mnuFile = menuBar()->addMenu(tr("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSavedGame = addCommand(mnuFile, QStringLiteral("mnuSavedGame"), tr("Open Saved Game Report"));
    mnuProgress = addCommand(mnuFile, QStringLiteral("mnuProgress"), tr("Progress..."));
    addUnderscoreLine(mnuFile, QStringLiteral("separator"));
    mnuQuit = addCommand(mnuFile, QStringLiteral("mnuQuit"), tr("Quit"));

    mnuOptions = menuBar()->addMenu(tr("Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuWorksheet = addCommand(mnuOptions, QStringLiteral("mnuWorksheet"), tr("Print Worksheet"));
    mnuToolTips = addCommand(mnuOptions, QStringLiteral("mnuToolTips"), tr("Enable Tool Tips"));
    mnuAdvanced = addCommand(mnuOptions, QStringLiteral("mnuAdvanced"), tr("Advanced Set Up"));
    mnuBasic = addCommand(mnuOptions, QStringLiteral("mnuBasic"), tr("Basic Set Up"));
    mnuBasic->setVisible(false);
    mnuSetup = addCommand(mnuOptions, QStringLiteral("mnuSetup"), tr("Hide Setup Tabs"));
    mnuPrevious = addCommand(mnuOptions, QStringLiteral("mnuPrevious"), tr("View Previous Game Summary"));
    mnuZoom = addCommand(mnuOptions, QStringLiteral("mnuZoom"), tr("Fit to Screen"));
    mnuZoom->setCheckable(true);
    connect(mnuZoom, &QAction::triggered, this, [this](bool zoomed) {
        if (lock->mayChange())
            applyZoom(zoomed);
        else
            mnuZoom->setChecked(!zoomed);
    });
    mnuWeakWorksheet = addCommand(mnuOptions, QStringLiteral("mnuWeakWorksheet"), tr("Print Weak Facts Worksheet"));
    mnuReprint = addCommand(mnuOptions, QStringLiteral("mnuReprint"), tr("Reprint Worksheet..."));
    mnuAnswerKey = addCommand(mnuOptions, QStringLiteral("mnuAnswerKey"), tr("Print Answer Key With Worksheets"));
    mnuPreview = addCommand(mnuOptions, QStringLiteral("mnuPreview"), tr("Preview Before Printing"));
    mnuLock = addCommand(mnuOptions, QStringLiteral("mnuLock"), QString());
    mnuClassServer = addCommand(mnuOptions, QStringLiteral("mnuClassServer"), tr("Class Server..."));

    mnuHelp = menuBar()->addMenu(tr("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents = addCommand(mnuHelp, QStringLiteral("mnuContents"), tr("Instructions..."));
    mnuAbout = addCommand(mnuHelp, QStringLiteral("mnuAbout"), tr("About"));
    addUnderscoreLine(mnuHelp, QStringLiteral("mnuSpacer1"));
    mnuWeb = addCommand(mnuHelp, QStringLiteral("mnuWeb"), tr("Sumdrop On The Web"));

    lblClassStatus = makeNamed<QLabel>(menuBar(), QStringLiteral("lblClassStatus"));
    lblClassStatus->setContentsMargins(8, 0, 8, 0);
    lblClassStatus->hide();
    menuBar()->setCornerWidget(lblClassStatus, Qt::TopRightCorner);
}

void MainWindow::layOut()
{
    board->layOut();
    const QSize screen = platform.screenSize();
    resize(screen);
    imgBanner->move(0, 0);
    setup->move(16, 112);
    board->card->showIdleCard();
    TimerDisplay &timers = *board->timers;
    timers.imgTotalTime->hide();
    timers.imgCardTime->hide();
    // The clocks show only in a timed game, from the first game on as after every end.
    timers.txtTotalTime->hide();
    timers.txtCardTime->hide();
    setup->raise();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Hidden windows (the help keeps its introduction) and an open About or
    // help window must not keep the program alive once its window is gone.
    event->accept();
    platform.exitProgram();
}

// The zoomed design is a window of its own inside the view; it follows this
// window's disabled state so that it greys and holds still as the window
// does, and the keys find their way back through the view.
void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::EnabledChange || !zoomView)
        return;
    client->setEnabled(isEnabled());
    if (isEnabled())
        zoomView->setFocus();
}

void MainWindow::showClassStatus(const QString &text)
{
    lblClassStatus->setText(text);
    lblClassStatus->setAccessibleName(text);
    lblClassStatus->adjustSize();
    // The menu bar places its corner widget only when it is given one.
    menuBar()->setCornerWidget(lblClassStatus, Qt::TopRightCorner);
    lblClassStatus->setVisible(!text.isEmpty());
}

void MainWindow::setOptionsMenuEnabled(bool enabled)
{
    mnuOptions->setEnabled(enabled);
    mnuOptions->menuAction()->setEnabled(enabled);
}

void MainWindow::showPictures()
{
    board->showPictures(session.state != 0);
    QPixmap logo = pictures.byId(PictureId::Logo);
    const double s = screenScale;
    if (s < 1) {
        const qreal ratio = logo.devicePixelRatio();
        logo = logo.scaledToWidth(scaled(logo.width(), s), Qt::SmoothTransformation);
        logo.setDevicePixelRatio(ratio);
    }
    imgBanner->setPixmap(logo);
    imgBanner->adjustSize();
}

void MainWindow::applyZoom(bool zoomed)
{
    platform.setUserOption(zoomOption(), zoomed);
    pictures = PictureSet::load(pictures.small, zoomed);
    showPictures();
    board->card->reloadPictures();
    setZoomed(zoomed);
}

void MainWindow::setZoomed(bool zoomed)
{
    if (zoomed == (zoomView != nullptr))
        return;
    if (zoomed) {
        takeCentralWidget();
        // The design as the documented window shows it on the smallest
        // display of its scale, less the menu bar.
        const bool small = screenScale < 1;
        client->resize(small ? 800 : 1024, (small ? 600 : 768) - menuBar()->sizeHint().height());
        client->setEnabled(isEnabled());
        zoomView = new ZoomView(client, this);
        setCentralWidget(zoomView);
        // Keys reach the design's boxes through the view.
        zoomView->show();
        zoomView->setFocus();
    } else {
        zoomView->release();
        delete takeCentralWidget();
        zoomView = nullptr;
        setCentralWidget(client);
        client->setEnabled(true);
        client->show();
    }
}
