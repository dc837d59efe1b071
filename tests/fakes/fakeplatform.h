#pragma once

#include <QList>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>

#include "platform/platform.h"

// A scripted platform: answers are queued by the test, everything the
// program asks for is recorded.
class FakePlatform final : public Platform
{
public:
    struct Message
    {
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
    };

    class QueuedRandom final : public RandomSource
    {
    public:
        double next() override;
        std::deque<double> values;
        double fallback = 0.0; // used once the queue is empty
        std::function<double()> source; // when set, draws instead of the fallback
    };

    FakePlatform();
    ~FakePlatform() override;

    Answer messageBox(const QString &title, const QString &text, Buttons buttons, Icon icon) override;
    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter, const QString &initialName) override;
    bool print(const std::function<void(QPagedPaintDevice &)> &paint) override;
    bool printPreview(const std::function<void(QPagedPaintDevice &)> &paint) override;
    std::optional<int> askNumber(const QString &title, const QString &label, int low, int high) override;
    std::optional<QString> askSecret(const QString &title, const QString &label) override;
    std::optional<bool> askWithCheckBox(const QString &title, const QString &text, const QString &checkBox,
                                        bool ticked) override;
    std::optional<int> chooseItem(const QString &title, const QString &label, const QStringList &items,
                                  const QString &extraButton) override;
    std::unique_ptr<Progress> startProgress(const QString &title, const QString &text, qint64 total) override;
    void playSound(const QString &fileName) override;
    bool speechAvailable(QString *why = nullptr) override;
    void say(const QString &text) override;
    bool openUrl(const QUrl &url) override;
    QDateTime now() override;
    qint64 monotonicMs() override;
    QString shortDate() override;
    RandomSource &random() override;
    QSize screenSize() override;
    void exitProgram() override;
    QVariant userOption(const QString &key) override;
    void setUserOption(const QString &key, const QVariant &value) override;

    // Script
    std::deque<Answer> answers;           // next message box answers; Ok/Yes-like default when empty
    std::function<void(const Message &)> duringMessage; // runs while a box is "open"
    std::deque<QString> fileNames;        // next dialog results; empty string = Cancel
    bool printAccepted = true;
    std::deque<int> numbers;              // next number questions; Cancel when empty
    std::deque<QString> secrets;          // next secret questions; Cancel when empty
    // Next choices from a list: an index, extraChoice, or none for Cancel;
    // the extra button when empty.
    std::deque<std::optional<int>> choices;
    // Next questions with a check box: ticked or not, or none for Cancel; OK
    // as the box stands when empty.
    std::deque<std::optional<bool>> checkBoxes;
    QStringList checkBoxQuestions;
    bool browserWorks = true;
    qint64 cancelProgressAt = -1; // long work is cancelled once this much is done
    bool speechWorks = true;
    QDateTime clock = QDateTime(QDate(2026, 12, 8), QTime(10, 0));
    QString dateText = QStringLiteral("12/8/2026");
    qint64 monotonic = 0; // milliseconds; tests move it on
    QSize screen = QSize(1280, 1024);
    QueuedRandom queuedRandom;
    QVariantMap options; // the user's options, as kept between runs

    // Record
    QList<Message> messages;
    QList<QPair<QString, QString>> fileDialogs; // filter, initial name ("" for open)
    QStringList sounds;
    QStringList spoken; // each text said, the newest last
    QList<QUrl> urls;
    QStringList printedFiles; // one PDF per print job
    int previews = 0;         // print jobs that went through the preview
    QStringList numberQuestions; // "title|label"
    QStringList secretQuestions; // "title|label"
    QList<QStringList> choiceQuestions; // title, label, the items, the extra button
    int exitCount = 0;
    QStringList progressTitles; // each long work begun

private:
    QTemporaryDir printDir;
};
