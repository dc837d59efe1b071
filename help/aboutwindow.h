#pragma once

#include <QWidget>

class ClickLabel;
class QFrame;
class QLabel;

// frmSplash: logo, version, maker and contact. Some clicks and any key close
// (destroy) it, a click on the bare frame only hides it; the link asks for the
// web page and the window stays.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    QFrame *Frame1 = nullptr;
    ClickLabel *Image1 = nullptr;
    QLabel *lblVersion = nullptr;
    ClickLabel *lblCompany = nullptr;
    ClickLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;

signals:
    void webPageRequested();
    // Sent as the window closes; it is deleted right after.
    void closing();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Clicks that reach the window itself landed on the bare frame.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
