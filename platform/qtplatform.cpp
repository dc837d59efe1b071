#include "platform/qtplatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTextToSpeech>
#include <QVBoxLayout>

#include <chrono>

#include "platform/datetext.h"
#include "platform/soundbackend.h"

namespace {

QMessageBox::Icon toQt(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Information: return QMessageBox::Information;
    case Platform::Icon::Question: return QMessageBox::Question;
    case Platform::Icon::Warning: return QMessageBox::Warning;
    case Platform::Icon::Critical: return QMessageBox::Critical;
    case Platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

class EnterSwallower final : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

// The working directory first, then beside the program, then the installed data folder.
QString locateSound(const QString &fileName)
{
    const QStringList places{QDir::currentPath(), QCoreApplication::applicationDirPath(),
                             QCoreApplication::applicationDirPath() + QStringLiteral("/../share/sumdrop")};
    for (const QString &place : places) {
        const QFileInfo candidate(QDir(place), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace

QtPlatform::MersenneSource::MersenneSource()
    : engine(static_cast<std::mt19937::result_type>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

double QtPlatform::MersenneSource::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
}

QtPlatform::QtPlatform()
{
    // Every way out of the event loop (Quit, the close box, the last window
    // closed) passes here while the application still exists.
    if (const QCoreApplication *application = QCoreApplication::instance())
        QObject::connect(application, &QCoreApplication::aboutToQuit, &soundReleaser, [this] {
            sound.reset();
            speech.reset();
        });
}

QtPlatform::~QtPlatform() = default;

Platform::Answer QtPlatform::messageBox(const QString &title, const QString &text, Buttons buttons,
                                        Icon icon)
{
    // Over the window it answers, and kept in front of it by the window manager.
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        // Enter must never confirm by accident, such as ending a game.
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case Buttons::OkByClick:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case Buttons::YesNoByClick:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    // Enter goes by the box wherever the keyboard is in it.
    EnterSwallower swallower;
    if (buttons == Buttons::OkByClick || buttons == Buttons::YesNoByClick) {
        box.installEventFilter(&swallower);
        for (QWidget *inside : box.findChildren<QWidget *>())
            inside->installEventFilter(&swallower);
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return buttons == Buttons::YesNo || buttons == Buttons::YesNoByClick ? Answer::No : Answer::Cancel;
    }
}

QString QtPlatform::openFileName(const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(), filter);
}

QString QtPlatform::saveFileName(const QString &filter, const QString &initialName)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), initialName, filter);
}

bool QtPlatform::print(const std::function<void(QPagedPaintDevice &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}

bool QtPlatform::printPreview(const std::function<void(QPagedPaintDevice &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    // Large enough to read a worksheet's numbers at a glance.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dialog.resize(screen->availableSize() * 3 / 4);
    // The dialog's own Print button paints the same pages again on the printer.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> QtPlatform::askNumber(const QString &title, const QString &label, int low, int high)
{
    bool ok = false;
    const int value = QInputDialog::getInt(QApplication::activeWindow(), title, label, low, low, high, 1, &ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<QString> QtPlatform::askSecret(const QString &title, const QString &label)
{
    bool ok = false;
    const QString secret = QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Password,
                                                 QString(), &ok, Qt::WindowFlags(), Qt::ImhDigitsOnly | Qt::ImhSensitiveData);
    return ok ? std::optional<QString>(secret) : std::nullopt;
}

std::optional<bool> QtPlatform::askWithCheckBox(const QString &title, const QString &text, const QString &checkBox,
                                                bool ticked)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    auto *check = new QCheckBox(checkBox, &box);
    check->setChecked(ticked);
    box.setCheckBox(check);
    if (box.exec() != QMessageBox::Ok)
        return std::nullopt;
    return check->isChecked();
}

std::optional<int> QtPlatform::chooseItem(const QString &title, const QString &label, const QStringList &items,
                                          const QString &extraButton)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&dialog);
    auto *text = new QLabel(label, &dialog);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto *list = new QListWidget(&dialog);
    list->addItems(items);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    text->setBuddy(list);
    layout->addWidget(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton *extra = buttons->addButton(extraButton, QDialogButtonBox::ActionRole);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    // Nothing is chosen by an Enter alone: only a chosen item is taken.
    for (QPushButton *button : buttons->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    ok->setEnabled(false);
    layout->addWidget(buttons);
    bool extraChosen = false;
    QObject::connect(list, &QListWidget::itemSelectionChanged, ok,
                     [list, ok] { ok->setEnabled(!list->selectedItems().isEmpty()); });
    QObject::connect(list, &QListWidget::itemActivated, &dialog, [&dialog](QListWidgetItem *item) {
        if (item->isSelected())
            dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(extra, &QPushButton::clicked, &dialog, [&dialog, &extraChosen] {
        extraChosen = true;
        dialog.accept();
    });
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (extraChosen)
        return extraChoice;
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    if (chosen.isEmpty())
        return std::nullopt;
    return int(list->row(chosen.first()));
}

void QtPlatform::playSound(const QString &fileName)
{
    const QString path = locateSound(fileName);
    if (path.isEmpty())
        return;
    if (!sound)
        sound = std::make_unique<SoundPlugin>(soundPluginFolders());
    if (SoundBackend *player = sound->player())
        player->play(path);
}

bool QtPlatform::speechAvailable(QString *why)
{
    // Asking for the engines reads the plugins' list; no engine starts.
    if (!QTextToSpeech::availableEngines().isEmpty() && (!speech || speech->state() != QTextToSpeech::Error))
        return true;
    if (why)
        *why = speech ? speech->errorString()
                      : QCoreApplication::translate("Speech", "No speech engine is installed on this computer.");
    return false;
}

void QtPlatform::say(const QString &text)
{
    if (!speech) {
        speech = std::make_unique<QTextToSpeech>();
        speech->setLocale(QLocale());
    }
    if (speech->state() == QTextToSpeech::Error)
        return;
    speech->stop();
    speech->say(text);
}

bool QtPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

qint64 QtPlatform::monotonicMs()
{
    if (!monotonic.isValid())
        monotonic.start();
    return monotonic.elapsed();
}

QString QtPlatform::shortDate()
{
    return shortDateText(QDate::currentDate());
}

RandomSource &QtPlatform::random()
{
    return randomSource;
}

QSize QtPlatform::screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

void QtPlatform::exitProgram()
{
    QCoreApplication::exit(0);
}

QVariant QtPlatform::userOption(const QString &key)
{
    return QSettings(QStringLiteral("Sumdrop"), QStringLiteral("Sumdrop")).value(key);
}

void QtPlatform::setUserOption(const QString &key, const QVariant &value)
{
    QSettings(QStringLiteral("Sumdrop"), QStringLiteral("Sumdrop")).setValue(key, value);
}

namespace {

class DialogProgress final : public Platform::Progress
{
public:
    DialogProgress(const QString &title, const QString &text, qint64 total)
        : dialog(text, QProgressDialog::tr("Cancel"), 0, steps, QApplication::activeWindow())
        , total(std::max<qint64>(1, total))
    {
        dialog.setWindowTitle(title);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setMinimumDuration(400);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setValue(0);
        sinceEvents.start();
    }

    bool advance(qint64 done) override
    {
        // The dialog handles events on each new value; a thousandth at a time
        // and a few times a second is smooth enough and costs nothing.
        const int value = int(std::clamp<qint64>(done * steps / total, 0, steps));
        if (value != dialog.value() && sinceEvents.elapsed() >= 30) {
            dialog.setValue(value);
            sinceEvents.restart();
        }
        return !dialog.wasCanceled();
    }

private:
    static constexpr int steps = 1000;
    QProgressDialog dialog;
    qint64 total;
    QElapsedTimer sinceEvents;
};

} // namespace

std::unique_ptr<Platform::Progress> QtPlatform::startProgress(const QString &title, const QString &text, qint64 total)
{
    return std::make_unique<DialogProgress>(title, text, total);
}
