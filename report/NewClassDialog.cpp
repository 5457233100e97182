#include "report/NewClassDialog.h"

#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/ClassFolder.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

NewClassDialog::NewClassDialog(const QString &parentFolder, QWidget *parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_parentFolder(new QLineEdit(parentFolder, this)),
      m_roster(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("新建班级"));
    m_name->setPlaceholderText(QStringLiteral("例如：三年级2班"));
    auto *chooseFolder = new QPushButton(QStringLiteral("选择(&B)…"), this);
    connect(chooseFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("班级文件夹放在哪里"),
                                                                 m_parentFolder->text());
        if (!folder.isEmpty())
            m_parentFolder->setText(QDir::toNativeSeparators(folder));
    });
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_parentFolder);
    folderRow->addWidget(chooseFolder);
    m_roster->setPlaceholderText(QStringLiteral("每行一个名字，可以从表格里复制过来。同名的学生写成王伟A、王伟B。"));
    auto *fromFile = new QPushButton(QStringLiteral("从文件读入(&R)…"), this);
    connect(fromFile, &QPushButton::clicked, this, &NewClassDialog::readRosterFile);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("班级名称(&N)："), m_name);
    auto *folderLabel = new QLabel(QStringLiteral("放在(&F)："), this);
    folderLabel->setBuddy(m_parentFolder); // a row of a layout gets no buddy of its own
    form->addRow(folderLabel, folderRow);
    form->addRow(QStringLiteral("名单(&L)："), m_roster);
    form->addRow(QString(), fromFile);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("建立"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(520, 460);
}

QString NewClassDialog::classFolder() const
{
    return QDir(QDir::fromNativeSeparators(m_parentFolder->text().trimmed())).filePath(m_name->text().trimmed());
}

QByteArray NewClassDialog::roster() const
{
    return m_roster->toPlainText().toUtf8();
}

QString NewClassDialog::problem() const
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty())
        return QStringLiteral("请写上班级名称。");
    if (const QString refusal = ClassFolder::nameRefusal(name); !refusal.isEmpty())
        return QStringLiteral("班级名称“%1”不行：%2。").arg(name, refusal);
    if (!QDir(QDir::fromNativeSeparators(m_parentFolder->text().trimmed())).exists())
        return QStringLiteral("没有“%1”这个文件夹。").arg(m_parentFolder->text());
    return {};
}

void NewClassDialog::readRosterFile()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("读入名单"), m_parentFolder->text(),
                                                      QStringLiteral("文本文件 (*.txt *.csv);;所有文件 (*)"));
    if (file.isEmpty())
        return;
    try {
        m_roster->setPlainText(ClassFolder::rosterText(TextFile::readRegular(file)));
    } catch (const NumoraError &error) {
        m_roster->setPlainText(QString());
        m_roster->setPlaceholderText(error.localText());
    }
}
