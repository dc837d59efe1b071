#include "setup/setuplock.h"

#include <QAction>
#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

#include "platform/dialogs.h"
#include "platform/product.h"

namespace {

QByteArray pinHash(const QByteArray &salt, const QString &pin)
{
    return QCryptographicHash::hash(salt + pin.toUtf8(), QCryptographicHash::Sha256);
}

bool fourDigits(const QString &pin)
{
    return pin.size() == 4 && std::all_of(pin.begin(), pin.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

SetupLock::SetupLock(Platform &platform, Dialogs &dialogs, QAction *command)
    : QObject(command)
    , platform(platform)
    , dialogs(dialogs)
    , command(command)
{
    connect(command, &QAction::triggered, this, &SetupLock::toggle);
    showCaption();
}

bool SetupLock::locked()
{
    // A hash that is not one of ours (an edited settings file) locks nothing:
    // no PIN could ever open it.
    return QByteArray::fromBase64(platform.userOption(hashKey()).toByteArray()).size()
        == QCryptographicHash::hashLength(QCryptographicHash::Sha256);
}

bool SetupLock::mayChange()
{
    if (!locked())
        return true;
    tell(tr("Ask a grown-up to unlock the setup."));
    return false;
}

QAction *SetupLock::guarded(QAction *guardedCommand)
{
    auto *standIn = new QAction(guardedCommand);
    connect(guardedCommand, &QAction::triggered, standIn, [this, standIn] {
        if (mayChange())
            standIn->trigger();
    });
    return standIn;
}

void SetupLock::showCaption()
{
    command->setText(locked() ? tr("Unlock Setup...") : tr("Lock Setup..."));
}

void SetupLock::toggle()
{
    if (locked())
        unlock();
    else
        lock();
    showCaption();
}

void SetupLock::lock()
{
    const std::optional<QString> pin = platform.askSecret(tr("Lock Setup"), tr("Choose a four-digit PIN:"));
    if (!pin)
        return;
    if (!fourDigits(*pin)) {
        tell(tr("The PIN must be four digits. The setup is not locked."));
        return;
    }
    const std::optional<QString> again = platform.askSecret(tr("Lock Setup"), tr("Type the PIN again:"));
    if (!again)
        return;
    if (*again != *pin) {
        tell(tr("The two PINs differ. The setup is not locked."));
        return;
    }
    std::array<quint32, 4> words;
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray salt(reinterpret_cast<const char *>(words.data()), sizeof words);
    platform.setUserOption(saltKey(), salt.toBase64());
    platform.setUserOption(hashKey(), pinHash(salt, *pin).toBase64());
    wrongTries = 0;
}

void SetupLock::unlock()
{
    const qint64 now = platform.monotonicMs();
    if (waiting && now < waitUntil) {
        const qint64 seconds = (waitUntil - now + 999) / 1000;
        tell(tr("Too many wrong PINs. Try again in %1 s.").arg(seconds));
        return;
    }
    waiting = false;
    const std::optional<QString> pin = platform.askSecret(tr("Unlock Setup"), tr("The PIN:"));
    if (!pin)
        return;
    const QByteArray salt = QByteArray::fromBase64(platform.userOption(saltKey()).toByteArray());
    const QByteArray kept = QByteArray::fromBase64(platform.userOption(hashKey()).toByteArray());
    if (fourDigits(*pin) && pinHash(salt, *pin) == kept) {
        platform.setUserOption(hashKey(), QString());
        platform.setUserOption(saltKey(), QString());
        wrongTries = 0;
        return;
    }
    if (++wrongTries < wrongTriesAllowed) {
        tell(tr("That is not the PIN."));
        return;
    }
    wrongTries = 0;
    waiting = true;
    // Timed on the clock that never jumps: setting the computer's clock does not shorten it.
    waitUntil = platform.monotonicMs() + waitMs;
    tell(tr("That is not the PIN. Try again in %1 s.").arg(waitMs / 1000));
}

void SetupLock::tell(const QString &text)
{
    dialogs.ask(programTitle(), text, Platform::Buttons::Ok, Platform::Icon::Information);
}
