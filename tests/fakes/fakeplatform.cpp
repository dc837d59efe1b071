#include "fakes/fakeplatform.h"

#include <QPainter>

double FakePlatform::QueuedRandom::next()
{
    if (values.empty())
        return source ? source() : fallback;
    const double r = values.front();
    values.pop_front();
    return r;
}

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

Platform::Answer FakePlatform::messageBox(const QString &title, const QString &text, Buttons buttons,
                                          Icon icon)
{
    const Message message{title, text, buttons, icon};
    messages.append(message);
    if (duringMessage)
        duringMessage(message);
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoByClick ? Answer::Yes : Answer::Ok;
}

QString FakePlatform::openFileName(const QString &filter)
{
    fileDialogs.append({filter, QString()});
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString FakePlatform::saveFileName(const QString &filter, const QString &initialName)
{
    fileDialogs.append({filter, initialName});
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

bool FakePlatform::print(const std::function<void(QPagedPaintDevice &)> &paint)
{
    if (!printAccepted)
        return false;
    const QString path = printDir.filePath(QStringLiteral("print%1.pdf").arg(printedFiles.size() + 1));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        paint(printer);
    }
    printedFiles.append(path);
    return true;
}

bool FakePlatform::printPreview(const std::function<void(QPagedPaintDevice &)> &paint)
{
    ++previews;
    return print(paint);
}

std::optional<int> FakePlatform::chooseItem(const QString &title, const QString &label, const QStringList &items,
                                           const QString &extraButton)
{
    choiceQuestions.append(QStringList{title, label} + items + QStringList{extraButton});
    if (choices.empty())
        return extraChoice;
    const std::optional<int> choice = choices.front();
    choices.pop_front();
    return choice && (*choice < extraChoice || *choice >= items.size()) ? std::nullopt : choice;
}

std::optional<bool> FakePlatform::askWithCheckBox(const QString &title, const QString &text, const QString &checkBox,
                                                  bool ticked)
{
    checkBoxQuestions.append(title + QLatin1Char('|') + text + QLatin1Char('|') + checkBox);
    if (checkBoxes.empty())
        return ticked;
    const std::optional<bool> answer = checkBoxes.front();
    checkBoxes.pop_front();
    return answer;
}

std::optional<int> FakePlatform::askNumber(const QString &title, const QString &label, int low, int high)
{
    numberQuestions.append(title + QLatin1Char('|') + label);
    if (numbers.empty())
        return std::nullopt;
    const int value = numbers.front();
    numbers.pop_front();
    return value < low || value > high ? std::nullopt : std::optional<int>(value);
}

void FakePlatform::playSound(const QString &fileName)
{
    sounds.append(fileName);
}

bool FakePlatform::speechAvailable(QString *why)
{
    if (!speechWorks && why)
        *why = QStringLiteral("no speech engine");
    return speechWorks;
}

void FakePlatform::say(const QString &text)
{
    if (speechWorks)
        spoken.append(text);
}

bool FakePlatform::openUrl(const QUrl &url)
{
    urls.append(url);
    return browserWorks;
}

QDateTime FakePlatform::now()
{
    return clock;
}

qint64 FakePlatform::monotonicMs()
{
    return monotonic;
}

QString FakePlatform::shortDate()
{
    return dateText;
}

RandomSource &FakePlatform::random()
{
    return queuedRandom;
}

QSize FakePlatform::screenSize()
{
    return screen;
}

void FakePlatform::exitProgram()
{
    ++exitCount;
}

QVariant FakePlatform::userOption(const QString &key)
{
    return options.value(key);
}

void FakePlatform::setUserOption(const QString &key, const QVariant &value)
{
    options.insert(key, value);
}

namespace {

class FakeProgress final : public Platform::Progress
{
public:
    explicit FakeProgress(qint64 cancelAt)
        : cancelAt(cancelAt)
    {
    }
    bool advance(qint64 done) override { return cancelAt < 0 || done < cancelAt; }

private:
    qint64 cancelAt;
};

} // namespace

std::optional<QString> FakePlatform::askSecret(const QString &title, const QString &label)
{
    secretQuestions.append(title + QLatin1Char('|') + label);
    if (secrets.empty())
        return std::nullopt;
    const QString secret = secrets.front();
    secrets.pop_front();
    return secret;
}

std::unique_ptr<Platform::Progress> FakePlatform::startProgress(const QString &title, const QString &, qint64)
{
    progressTitles.append(title);
    return std::make_unique<FakeProgress>(cancelProgressAt);
}
