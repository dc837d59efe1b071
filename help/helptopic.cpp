#include "help/helptopic.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/clicklabel.h"
#include "ui/widgets.h"

namespace {

constexpr int textWidth = 380;
constexpr int pictureGap = 20;
constexpr int frameAllowance = 16;

void addCaption(QVBoxLayout *layout, QWidget *parent, const QString &text)
{
    if (text.isEmpty())
        return;
    if (layout->count() > 0)
        layout->addSpacing(6);
    QLabel *caption = makeHelpText(parent, text);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
}

void addParagraph(QVBoxLayout *layout, QWidget *parent, const HelpParagraph &paragraph)
{
    addCaption(layout, parent, paragraph.caption);
    layout->addWidget(makeHelpText(parent, paragraph.text));
}

} // namespace

QLabel *makeHelpText(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

ClickLabel *makeHelpLink(QWidget *parent, const QString &name, const QString &text)
{
    auto *link = makeNamed<ClickLabel>(parent, name);
    link->setTextFormat(Qt::PlainText);
    link->setText(text);
    link->setWordWrap(true);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    setTextColour(link, QColor(0, 0, 192));
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

HelpTopic::HelpTopic(const HelpPage &page, std::function<QPixmap()> picture)
    : QWidget(nullptr, Qt::Window)
    , picture(std::move(picture))
{
    setObjectName(page.name);
    setWindowTitle(page.title);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(12);
    auto *row = new QHBoxLayout;
    row->setSpacing(pictureGap);
    layout->addLayout(row);
    if (this->picture) {
        Picture1 = makePicture(this, QStringLiteral("Picture1"));
        Picture1->setAccessibleName(tr("Picture: %1").arg(page.title));
        row->addWidget(Picture1, 0, Qt::AlignTop);
    }

    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    row->addLayout(texts, 1);
    if (!page.heading.isEmpty()) {
        QLabel *heading = makeHelpText(this, page.heading);
        QFont font = heading->font();
        font.setPointSizeF(font.pointSizeF() * 1.4);
        font.setBold(true);
        heading->setFont(font);
        setTextColour(heading, darkRed);
        texts->addWidget(heading);
        texts->addSpacing(4);
    }
    for (const HelpParagraph &paragraph : page.paragraphs)
        addParagraph(texts, this, paragraph);
    if (!page.linkName.isEmpty()) {
        addCaption(texts, this, page.link.caption);
        link = makeHelpLink(this, page.linkName, page.link.text);
        texts->addWidget(link);
        connect(link, &ClickLabel::clicked, this, &HelpTopic::linkClicked);
    }
    texts->addStretch(1);
    // Without a picture the texts get the room the picture would have had.
    const int width = this->picture ? textWidth : 2 * textWidth;
    for (QLabel *text : findChildren<QLabel *>())
        if (text != Picture1)
            text->setFixedWidth(width);

    auto *notes = new QVBoxLayout;
    notes->setSpacing(6);
    layout->addLayout(notes);
    for (const HelpParagraph &note : page.notes)
        addParagraph(notes, this, note);
    for (int i = 0; i < notes->count(); ++i)
        if (auto *text = qobject_cast<QLabel *>(notes->itemAt(i)->widget()))
            noteTexts.append(text);

    Command1 = makeNamed<QPushButton>(this, QStringLiteral("Command1"));
    Command1->setText(tr("Close"));
    layout->addWidget(Command1, 0, Qt::AlignRight);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);
    fitToContents();
}

void HelpTopic::open(const QWidget *over)
{
    if (!shownBefore) {
        if (picture) {
            QPixmap shown = picture();
            // On a small screen the picture gives way, so that the window and
            // its frame fit.
            const QMargins margins = layout()->contentsMargins();
            const int room = screenArea(over).width() - frameAllowance - pictureGap - textWidth - margins.left()
                           - margins.right();
            const double ratio = shown.devicePixelRatio();
            if (room > 0 && logicalSize(shown).width() > room) {
                shown = shown.scaledToWidth(qRound(room * ratio), Qt::SmoothTransformation);
                shown.setDevicePixelRatio(ratio);
            }
            Picture1->setPixmap(shown);
            Picture1->setFixedSize(logicalSize(shown));
            fitToContents();
        }
        // Placed once shown, when the size of the window's frame is known.
        show();
        centreOver(this, over);
        shownBefore = true;
    }
    show();
    raise();
    activateWindow();
}

void HelpTopic::fitToContents()
{
    // Notes run the full width under the picture and the texts.
    const int width = Picture1 ? Picture1->sizeHint().width() + pictureGap + textWidth : 2 * textWidth;
    for (QLabel *note : noteTexts)
        note->setFixedWidth(width);
    fitToLayout(this);
}

void HelpTopic::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}
