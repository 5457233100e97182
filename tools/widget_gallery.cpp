// Shows every painted control in every look, for eyes rather than tests.
// Usage: widget_gallery [--save IMAGE.png]
#include "platform/AppFonts.h"
#include "widgets/flat/TFlatButtonUnit.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatGroupBoxUnit.h"
#include "widgets/flat/TFlatListBoxUnit.h"
#include "widgets/flat/TFlatMemoUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "widgets/xp/XP_Button.h"
#include "widgets/xp/XP_Form.h"
#include "widgets/xp/XP_Unit.h"
#include "widgets/xp/XP_Url.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

QLabel *picture(const QImage &image, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(image));
    return label;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A small framed window, active or not, as its frame paints it.
QImage framedWindow(bool active, TFormBorderStyle style)
{
    QWidget window;
    window.resize(300, 120);
    TXP_Form frame(&window);
    frame.setCaptionText(QStringLiteral("Numora V1.0 －单机版"));
    frame.setBtnHelp(true);
    frame.setBorderStyle(style);
    QImage image = frame.compose();
    if (!active) {
        window.show();
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::processEvents();
        image = frame.compose();
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppFonts::installSubstitutions();
    XPStartUp({QStringLiteral("widget_gallery")}, [](const QString &, const QString &) {});

    QWidget gallery;
    gallery.setWindowTitle(QStringLiteral("Numora widget gallery"));
    gallery.setFont(AppFonts::font(QStringLiteral("MS Sans Serif"), 11));
    auto *grid = new QGridLayout(&gallery);
    int row = 0;

    grid->addWidget(caption(QStringLiteral("TXP_Form active / inactive"), &gallery), row, 0);
    grid->addWidget(picture(framedWindow(true, TFormBorderStyle::bsSizeable), &gallery), row, 1, 1, 3);
    grid->addWidget(picture(framedWindow(false, TFormBorderStyle::bsSizeable), &gallery), row++, 4, 1, 3);
    grid->addWidget(caption(QStringLiteral("dialog / none"), &gallery), row, 0);
    grid->addWidget(picture(framedWindow(true, TFormBorderStyle::bsDialog), &gallery), row, 1, 1, 3);
    grid->addWidget(picture(framedWindow(true, TFormBorderStyle::bsNone), &gallery), row++, 4, 1, 3);

    grid->addWidget(caption(QStringLiteral("TXP_Button looks 1-5"), &gallery), row, 0);
    for (int look = 1; look <= 5; ++look) {
        auto *button = new TXP_Button(&gallery);
        button->setText(QStringLiteral("登    陆"));
        button->setEnabled(look != 3);
        grid->addWidget(picture(button->compose(ButtonLook(look)), &gallery), row, look);
        delete button;
    }
    ++row;
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::white);
    for (int i = 3; i < 13; ++i) {
        icon.setPixel(i, 7, qRgb(0, 96, 0));
        icon.setPixel(7, i, qRgb(0, 96, 0));
    }
    grid->addWidget(caption(QStringLiteral("with pictures, live"), &gallery), row, 0);
    for (int i = 0; i < 4; ++i) {
        auto *button = new TXP_Button(&gallery);
        button->setText(i < 2 ? QStringLiteral("添加") : QStringLiteral("开始训练"));
        button->setPicture(icon);
        button->setPicTrans(true);
        button->setPicTransColor(clWhite);
        button->setPicPos(i % 2 ? TPicPos::pLeft : TPicPos::pTop);
        button->setFixedSize(i % 2 ? 90 : 75, i % 2 ? 25 : 42);
        button->setEnabled(i < 3);
        grid->addWidget(button, row, i + 1);
    }
    ++row;

    grid->addWidget(caption(QStringLiteral("TXP_Url normal, hover, visited, disabled"), &gallery), row, 0);
    for (int look = 0; look < 4; ++look) {
        auto *link = new TXP_Url(&gallery);
        link->setText(QStringLiteral("联系作者：hi@numora.example"));
        link->setEnabled(look != 3);
        QImage shown = link->compose(look == 1);
        if (look == 2) {
            link->setUrl(QString()); // marks it visited without opening anything
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(link, &press);
            shown = link->compose(false);
        }
        grid->addWidget(picture(shown, &gallery), row, look + 1);
        delete link;
    }
    ++row;

    // Flat controls, live: hover and focus them to see their other looks.
    grid->addWidget(caption(QStringLiteral("TFlatEdit, TFlatComboBox (enabled, disabled)"), &gallery), row, 0);
    auto *edit = new TFlatEdit(&gallery);
    edit->setText(QStringLiteral("42"));
    grid->addWidget(edit, row, 1);
    auto *flatEdit = new TFlatEdit(&gallery);
    flatEdit->setColorFlat(clBtnFace);
    flatEdit->setText(QStringLiteral("6×7="));
    grid->addWidget(flatEdit, row, 2);
    for (bool enabled : {true, false}) {
        auto *box = new TFlatComboBox(&gallery);
        box->addItems({QStringLiteral("定时训练（单位：秒）"), QStringLiteral("定量训练（单位：道）")});
        box->setEditText(QStringLiteral("请选择："));
        box->setFixedSize(177, 21);
        box->setEnabled(enabled);
        grid->addWidget(box, row, enabled ? 3 : 4);
    }
    ++row;
    grid->addWidget(caption(QStringLiteral("TFlatListBox, TFlatMemo, TFlatGroupBox, TFlatPanel"), &gallery), row, 0);
    auto *list = new TFlatListBox(&gallery);
    list->setScrollBars(true);
    list->setItems({QStringLiteral("3+4="), QStringLiteral("12-5="), QStringLiteral("6×7="), QStringLiteral("56÷8="),
                    QStringLiteral("9+9="), QStringLiteral("100-1=")});
    list->setFixedSize(137, list->height());
    grid->addWidget(list, row, 1);
    auto *memo = new TFlatMemo(&gallery);
    memo->setLines({QStringLiteral("第1题    3+4=7    √"), QStringLiteral("第2题    12-5=6    ×")});
    memo->setFixedSize(185, 89);
    grid->addWidget(memo, row, 2);
    auto *group = new TFlatGroupBox(&gallery);
    group->setTitle(QStringLiteral("信息栏目"));
    group->setFixedSize(150, 89);
    grid->addWidget(group, row, 3);
    auto *panel = new TFlatPanel(&gallery);
    panel->setCaption(QStringLiteral("TFlatPanel"));
    panel->setFixedSize(150, 41);
    grid->addWidget(panel, row++, 4);
    grid->addWidget(caption(QStringLiteral("TFlatButton up, Default, disabled"), &gallery), row, 0);
    for (int i = 0; i < 3; ++i) {
        auto *button = new TFlatButton(&gallery);
        button->setText(QStringLiteral("下一题"));
        button->setFixedSize(57, 25);
        button->setDefault(i == 1);
        button->setEnabled(i != 2);
        grid->addWidget(button, row, i + 1);
    }
    ++row;

    gallery.show();
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype save = arguments.indexOf(QStringLiteral("--save"));
    if (save >= 0 && save + 1 < arguments.size()) {
        QTimer::singleShot(300, &gallery, [&] {
            gallery.grab().save(arguments.at(save + 1));
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
