#include "history/playerchoice.h"

#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QStringListModel>

#include <algorithm>
#include <numeric>


int nameDistance(const QString &a, const QString &b)
{
    const QString from = HistoryStore::childKey(a);
    const QString to = HistoryStore::childKey(b);
    QList<int> previous(to.size() + 1);
    std::iota(previous.begin(), previous.end(), 0);
    QList<int> current(to.size() + 1);
    for (qsizetype i = 1; i <= from.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= to.size(); ++j) {
            const int change = previous[j - 1] + (from.at(i - 1) == to.at(j - 1) ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, change});
        }
        std::swap(previous, current);
    }
    return previous[to.size()];
}

std::optional<QString> nearName(const QString &typed, const QList<ChildEntry> &children)
{
    constexpr int farthest = 2;
    const qsizetype typedLength = HistoryStore::childKey(typed).size();
    if (typedLength == 0)
        return std::nullopt;
    std::optional<QString> best;
    int bestDistance = farthest + 1;
    for (const ChildEntry &child : children) {
        const int distance = nameDistance(typed, child.name);
        if (distance == 0)
            return std::nullopt; // on record already
        // Half the letters changed make another name, such as Ann and Ben.
        const qsizetype shorter = std::min(typedLength, HistoryStore::childKey(child.name).size());
        // Strictly closer only: an equal one played less recently.
        if (distance < bestDistance && 2 * qsizetype(distance) < shorter) {
            best = child.name.trimmed();
            bestDistance = distance;
        }
    }
    return best;
}

PlayerChoice::PlayerChoice(Platform &platform, Children children, QLineEdit *nameBox, QObject *parent)
    : QObject(parent)
    , platform(platform)
    , children(std::move(children))
    , box(nameBox)
{
    box->setText(platform.userOption(lastPlayerOption()).toString()); // cut to the box's length
    box->installEventFilter(this);
}

bool PlayerChoice::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        fillCompletion();
    return QObject::eventFilter(watched, event);
}

void PlayerChoice::fillCompletion()
{
    QStringList known;
    for (const ChildEntry &child : children())
        if (!child.name.trimmed().isEmpty())
            known.append(child.name.trimmed());
    if (!completer) {
        names = new QStringListModel(box);
        completer = new QCompleter(names, box);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        box->setCompleter(completer);
    }
    if (names->stringList() != known)
        names->setStringList(known);
}

bool PlayerChoice::settlePlayer()
{
    const QString typed = box->text().trimmed();
    QList<ChildEntry> known = children();
    known.removeIf([](const ChildEntry &child) { return child.name.trimmed().isEmpty(); });
    if (typed.isEmpty() && !known.isEmpty()) {
        QStringList choices;
        for (const ChildEntry &child : std::as_const(known))
            choices.append(child.name.trimmed());
        const std::optional<int> chosen = platform.chooseItem(
            tr("Who is playing?"), tr("Choose your name:"), choices, tr("Play without a name"));
        if (!chosen) {
            box->setFocus();
            return false;
        }
        if (*chosen != Platform::extraChoice)
            box->setText(choices.at(*chosen));
    } else if (const std::optional<QString> near = nearName(typed, known)) {
        // Neither answer is taken from a stray Enter: Yes would play as
        // another child, No would split this one in two.
        if (platform.messageBox(tr("Who is playing?"), tr("Is this %1?").arg(*near), Platform::Buttons::YesNoByClick,
                                Platform::Icon::Question)
            == Platform::Answer::Yes)
            box->setText(*near);
    }
    platform.setUserOption(lastPlayerOption(), box->text().trimmed());
    return true;
}
