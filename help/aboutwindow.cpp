#include "help/aboutwindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "platform/product.h"
#include "ui/clicklabel.h"
#include "ui/widgets.h"
#include "resources/pictures.h"

namespace {

const QSize logoSize(315, 121);

// The labels swallow their clicks, so that only a click on the bare frame hides the window.
template <typename W>
W *addLabel(QVBoxLayout *layout, QWidget *frame, const QString &name, const QString &text, const QColor &colour)
{
    auto *label = makeNamed<W>(frame, name);
    label->setText(text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_NoMousePropagation);
    setTextColour(label, colour);
    // Hugging the text, so that a click beside it is a click on the frame.
    layout->addWidget(label, 0, Qt::AlignHCenter);
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("About ") + programTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);

    Frame1 = makeNamed<QFrame>(this, QStringLiteral("Frame1"));
    Frame1->setAutoFillBackground(true);
    QPalette palette = Frame1->palette();
    palette.setColor(QPalette::Window, darkRed);
    Frame1->setPalette(palette);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame1);

    auto *layout = new QVBoxLayout(Frame1);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->setSpacing(8);

    Image1 = makeNamed<ClickLabel>(Frame1, QStringLiteral("Image1"));
    Image1->setPixmap(loadPicture(PictureId::Logo, PictureKind::Bitmap, devicePixelRatioF()));
    Image1->setFixedSize(logoSize);
    Image1->setAttribute(Qt::WA_NoMousePropagation);
    Image1->setAccessibleName(tr("Sumdrop logo: click to close"));
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    const QColor white(Qt::white);
    lblVersion = addLabel<QLabel>(layout, Frame1, QStringLiteral("lblVersion"), versionLabel(), white);
    lblCompany = addLabel<ClickLabel>(layout, Frame1, QStringLiteral("lblCompany"),
                                      tr("by: Pebblebrook Studio"), white);
    QFont companyFont(QStringLiteral("Arial"));
    companyFont.setPointSizeF(12);
    companyFont.setBold(true);
    lblCompany->setFont(companyFont);
    layout->addSpacing(12);

    Label2 = addLabel<ClickLabel>(layout, Frame1, QStringLiteral("Label2"), webAddress(),
                                  QColor(128, 128, 255));
    QFont linkFont = Label2->font();
    linkFont.setUnderline(true);
    Label2->setFont(linkFont);
    Label2->setCursor(Qt::PointingHandCursor);
    Label3 = addLabel<QLabel>(layout, Frame1, QStringLiteral("Label3"),
                              tr("Email to: ") + supportEmail(), white);

    fitToLayout(this);

    connect(Image1, &ClickLabel::clicked, this, &QWidget::close);
    connect(lblCompany, &ClickLabel::clicked, this, &QWidget::close);
    connect(Label2, &ClickLabel::clicked, this, &AboutWindow::webPageRequested);
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    close();
}

void AboutWindow::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void AboutWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        hide();
}

void AboutWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    event->accept();
}
