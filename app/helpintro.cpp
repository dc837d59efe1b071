#include "app/helpintro.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets.h"

HelpIntro::HelpIntro(QWidget *mainWindow)
    : QWidget(nullptr, Qt::Window)
    , mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmHelpIntro"));
    setWindowTitle(QStringLiteral("Help - Introduction"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = makeNamed<QLabel>(this, QStringLiteral("Label1"));
    heading->setText(QStringLiteral("Introduction"));
    QFont headingFont(QStringLiteral("MS Serif"));
    headingFont.setPointSizeF(13.5);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    setTextColour(heading, Qt::red);
    layout->addWidget(heading);
    auto *text = makeNamed<QLabel>(this, QStringLiteral("Label2"));
    text->setText(QStringLiteral("Sumdrop is a versatile flash card game to develop children's math skills. "
                                 "Children can play alone or with a supervisor."));
    text->setWordWrap(true);
    layout->addWidget(text);
    chkStartupHelp = makeNamed<QCheckBox>(this, QStringLiteral("chkStartupHelp"));
    chkStartupHelp->setText(QStringLiteral("Dont's show this screen on startup"));
    layout->addWidget(chkStartupHelp);
    Command1 = makeNamed<QPushButton>(this, QStringLiteral("Command1"));
    Command1->setText(QStringLiteral("Close"));
    layout->addWidget(Command1, 0, Qt::AlignRight);
    resize(420, 200);

    connect(Command1, &QPushButton::clicked, this, [this] {
        this->mainWindow->setEnabled(true);
        hide();
    });
}

void HelpIntro::showIntroduction()
{
    show();
    raise();
    mainWindow->setEnabled(false);
}
