#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <memory>
#include <random>

#include "platform/platform.h"

class QTextToSpeech;
class SoundPlugin;

class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer messageBox(const QString &title, const QString &text, Buttons buttons,
                      Icon icon) override;
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

private:
    class MersenneSource final : public RandomSource
    {
    public:
        MersenneSource();
        double next() override;

    private:
        std::mt19937 engine;
    };

    MersenneSource randomSource;
    QElapsedTimer monotonic;
    std::unique_ptr<SoundPlugin> sound; // loaded with the first sound
    std::unique_ptr<QTextToSpeech> speech; // made with the first card read aloud
    QObject soundReleaser;              // holds the connection that releases sound and speech at the end
};
