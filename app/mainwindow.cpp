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

#include "ui/clicklabel.h"
#include "app/program.h"
#include "ui/scale.h"
#include "app/setuplock.h"
#include "ui/widgets.h"
#include "app/zoomview.h"
#include "entry/answerarea.h"
#include "entry/feedbackview.h"
#include "entry/keypad.h"
#include "game/cardview.h"
#include "play/gameflow.h"
#include "game/timerdisplay.h"
#include "history/historyrecorder.h"
#include "platform/printrenderer.h"
#include "setup/setuppanel.h"
#include "worksheet/worksheetprinting.h"

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

// The style draws a button's icon at the screen's density; a face sharper
// than the screen is meant for the zoomed window, so it is drawn here and
// scaled smoothly with the window.
class FaceButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    bool sharpFaces = false;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (!sharpFaces || devicePixelRatioF() > 1) {
            QPushButton::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        QRect place(QPoint(), iconSize());
        place.moveCenter(rect().center());
        painter.drawPixmap(place, icon().pixmap(iconSize(), 2.0, isEnabled() ? QIcon::Normal : QIcon::Disabled));
    }
};

} // namespace

MainWindow::MainWindow(Program &program)
    : program(program)
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
    imgBanner->setAccessibleName(Program::programTitle());

    card = new CardView(client, program.pictures, program.screenScale);
    answers = new AnswerArea(client, program.screenScale);
    feedback = new FeedbackView(client);
    timers = new TimerDisplay(client);

    imgStart = makePicture(client, QStringLiteral("imgStart"));
    imgStart->hide();
    imgStop = makePicture(client, QStringLiteral("imgStop"));
    imgStop->hide();
    cmdStart = makeNamed<FaceButton>(client, QStringLiteral("cmdStart"));
    cmdStart->setFlat(true);
    cmdStart->setCursor(Qt::PointingHandCursor);
    cmdStart->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    showPictures();

    lblCardReport = makeNamed<QLabel>(client, QStringLiteral("lblCardReport"));
    lblCardReport->setText(tr("Card Counter"));
    setTextColour(lblCardReport, Qt::white);
    lblCardReport->setAutoFillBackground(true);
    QPalette counterPalette = lblCardReport->palette();
    counterPalette.setColor(QPalette::Window, darkRed);
    lblCardReport->setPalette(counterPalette);

    keypad = new Keypad(client);

    setup = new SetupPanel(program.settings, client);
    setup->setFixedSize(400, 420);
    setup->attachMenu(mnuAdvanced, mnuBasic, mnuToolTips, mnuSetup);
    setup->attachKeypad(keypad);
    lock = new SetupLock(program, mnuLock);
    setup->setChangeGuard([this] { return lock->mayChange(); });

    connectPrinting();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

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

    mnuHelp = menuBar()->addMenu(tr("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents = addCommand(mnuHelp, QStringLiteral("mnuContents"), tr("Instructions..."));
    mnuAbout = addCommand(mnuHelp, QStringLiteral("mnuAbout"), tr("About"));
    addUnderscoreLine(mnuHelp, QStringLiteral("mnuSpacer1"));
    mnuWeb = addCommand(mnuHelp, QStringLiteral("mnuWeb"), tr("Sumdrop On The Web"));
}

// The worksheet commands and the printing options, kept for the user.
void MainWindow::connectPrinting()
{
    const auto hooks = [this] {
        return WorksheetPrintHooks{[this](bool enabled) { setOptionsMenuEnabled(enabled); },
                                   [this] { setup->chkAddition->setChecked(true); },
                                   [this](const PrintedSheet &sheet) {
                                       HistoryStore *store = program.history().store();
                                       if (!store)
                                           return tr("the practice history cannot be used");
                                       return store->keepSheet(sheet) ? QString() : store->error();
                                   }};
    };
    connect(mnuWorksheet, &QAction::triggered, this, [this, hooks] {
        printWorksheet(program, setup->worksheetSetup(), setup->playerName(), hooks());
    });
    connect(mnuWeakWorksheet, &QAction::triggered, this, [this, hooks] {
        printWeakWorksheet(
            program, setup->worksheetSetup(), setup->playerName(),
            [this](const WorksheetSetup &ticked) {
                return program.game().weakFacts(
                    functionSetFor(ticked.addition, ticked.subtraction, ticked.multiplication, ticked.division));
            },
            hooks());
    });
    connect(mnuReprint, &QAction::triggered, this, [this, hooks] {
        reprintWorksheet(
            program,
            [this](int number, QString &unavailable) -> std::optional<PrintedSheet> {
                HistoryStore *store = program.history().store();
                if (!store) {
                    unavailable = tr("the practice history is not in use");
                    return std::nullopt;
                }
                return store->sheet(number);
            },
            hooks());
    });
    connect(mnuOptions, &QMenu::aboutToShow, this,
            [this] { mnuWeakWorksheet->setEnabled(program.history().hasHistory(setup->playerName())); });
    const std::pair<QAction *, QString> options[] = {{mnuAnswerKey, answerKeyOption()},
                                                     {mnuPreview, printPreviewOption()}};
    for (const auto &[action, name] : options) {
        const QString key = name; // clang 14 cannot capture a structured binding
        action->setCheckable(true);
        action->setChecked(program.platform.userOption(key).toBool());
        connect(action, &QAction::toggled, this, [this, key](bool on) { program.platform.setUserOption(key, on); });
    }
}

void MainWindow::layOut()
{
    const double s = program.screenScale;
    keypad->hide();
    // Shrunk for a small display, the keypad would reach up over the previous card.
    keypad->move(scaled(250, s), std::max(scaled(420, s), feedback->imgPrevious->geometry().bottom() + 8));
    keypad->key[10]->hide();
    keypad->key[11]->hide();
    // The banner strip between the logo and the card holds the Start button and
    // the card counter; on a small display they shrink with the card.
    QFont counterFont(QStringLiteral("MS Sans Serif"));
    counterFont.setPointSizeF(12 * s);
    counterFont.setBold(true);
    lblCardReport->setFont(counterFont);
    lblCardReport->setGeometry(scaled(405, s), scaled(72, s), scaled(134, s), scaled(24, s));
    cmdStart->setGeometry(scaledRect(328, 12, 154, 60, s));
    cmdStart->setIconSize(QSize(scaled(150, s), scaled(56, s)));
    const QSize screen = program.platform.screenSize();
    resize(screen);
    imgBanner->move(0, 0);
    setup->move(16, 112);
    card->showIdleCard();
    timers->imgTotalTime->hide();
    timers->imgCardTime->hide();
    // The clocks show only in a timed game, from the first game on as after every end.
    timers->txtTotalTime->hide();
    timers->txtCardTime->hide();
    setup->raise();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Hidden windows (the help keeps its introduction) and an open About or
    // help window must not keep the program alive once its window is gone.
    event->accept();
    program.platform.exitProgram();
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

void MainWindow::setOptionsMenuEnabled(bool enabled)
{
    mnuOptions->setEnabled(enabled);
    mnuOptions->menuAction()->setEnabled(enabled);
}

void MainWindow::showStartFace(bool stop)
{
    cmdStart->setIcon(QIcon((stop ? imgStop : imgStart)->pixmap()));
    cmdStart->setAccessibleName(stop ? tr("Stop") : tr("Start"));
    // During a game a click on Stop leaves the keyboard with the answer boxes.
    cmdStart->setFocusPolicy(stop ? Qt::NoFocus : Qt::StrongFocus);
}

void MainWindow::showPictures()
{
    const PictureSet &pictures = program.pictures;
    static_cast<FaceButton *>(cmdStart)->sharpFaces = pictures.sharp;
    imgStart->setPixmap(pictures.face(PictureId::StartFace, tr("Start")));
    imgStop->setPixmap(pictures.face(PictureId::StopFace, tr("Stop")));
    showStartFace(program.session.state != 0);
    timers->showPictures(pictures);
    answers->showPictures(pictures);
    feedback->showPictures(pictures);

    QPixmap logo = pictures.byId(PictureId::Logo);
    const double s = program.screenScale;
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
    program.platform.setUserOption(Program::zoomOption(), zoomed);
    program.pictures = PictureSet::load(program.pictures.small, zoomed);
    showPictures();
    card->reloadPictures();
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
        const bool small = program.screenScale < 1;
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
