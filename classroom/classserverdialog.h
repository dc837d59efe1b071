#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// frmClassServer: where the class server is, as a libpq connection string;
// "Test Connection" says what the server says. Passwords stay in libpq's own
// password file, never here.
class ClassServerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ClassServerDialog(const QString &conninfo, QWidget *parent = nullptr);

    QString conninfo() const;

    QLabel *lblClassServer = nullptr;
    QLineEdit *txtClassServer = nullptr;
    QPushButton *cmdTestConnection = nullptr;
    QLabel *lblClassTest = nullptr;
    QDialogButtonBox *buttons = nullptr;

private:
    void testConnection();
};
