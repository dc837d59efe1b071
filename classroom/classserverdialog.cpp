#include "classroom/classserverdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

#include "classroom/classdatabase.h"

ClassServerDialog::ClassServerDialog(const QString &conninfo, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmClassServer"));
    setWindowTitle(tr("Class Server"));
    auto *layout = new QVBoxLayout(this);
    lblClassServer = new QLabel(tr("Where the class server is, as a PostgreSQL connection string. "
                                   "Passwords belong in the PostgreSQL password file, not here."),
                                this);
    lblClassServer->setObjectName(QStringLiteral("lblClassServer"));
    lblClassServer->setWordWrap(true);
    layout->addWidget(lblClassServer);
    txtClassServer = new QLineEdit(conninfo, this);
    txtClassServer->setObjectName(QStringLiteral("txtClassServer"));
    txtClassServer->setPlaceholderText(QStringLiteral("host=school-db dbname=class4b user=sumdrop"));
    txtClassServer->setMinimumWidth(420);
    lblClassServer->setBuddy(txtClassServer);
    layout->addWidget(txtClassServer);
    cmdTestConnection = new QPushButton(tr("Test Connection"), this);
    cmdTestConnection->setObjectName(QStringLiteral("cmdTestConnection"));
    cmdTestConnection->setAutoDefault(false);
    layout->addWidget(cmdTestConnection, 0, Qt::AlignLeft);
    lblClassTest = new QLabel(this);
    lblClassTest->setObjectName(QStringLiteral("lblClassTest"));
    lblClassTest->setWordWrap(true);
    lblClassTest->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblClassTest);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdTestConnection, &QPushButton::clicked, this, &ClassServerDialog::testConnection);
}

QString ClassServerDialog::conninfo() const
{
    return txtClassServer->text().trimmed();
}

void ClassServerDialog::testConnection()
{
    const QString tried = conninfo();
    if (tried.isEmpty()) {
        lblClassTest->setText(tr("No class server: Sumdrop keeps the practice on this computer only."));
        return;
    }
    cmdTestConnection->setEnabled(false);
    lblClassTest->setText(tr("Connecting..."));
    // The server may take its time to answer, or never answer: the window
    // stays free meanwhile.
    auto result = std::make_shared<QString>();
    QThread *test = QThread::create([tried, result] { *result = ClassConnection::describe(ClassDatabase::testConnection(tried)); });
    connect(test, &QThread::finished, this, [this, result] {
        lblClassTest->setText(*result);
        cmdTestConnection->setEnabled(true);
    });
    connect(test, &QThread::finished, test, &QObject::deleteLater);
    test->start();
}
