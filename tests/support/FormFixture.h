#pragma once

#include "app/Form1Unit.h"
#include "support/FakeSound.h"
#include "support/ScriptedDialogs.h"
#include "text/TextFile.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "app/PlainPanel.h"

#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The main window over a fresh program folder, with scripted boxes, a fixed
// date and a silent sound output.
struct FormFixture
{
    QTemporaryDir appDir;
    ScriptedDialogs dialogs;
    FixedDate date{QStringLiteral("2026-12-8")};
    FakeSound sound;
    int terminations = 0;
    std::unique_ptr<TForm1> form;

    FormFixture()
    {
        QDir(appDir.path()).mkdir(QStringLiteral("data"));
        QDir(appDir.path()).mkdir(QStringLiteral("job"));
    }

    bool show()
    {
        form = std::make_unique<TForm1>(appDir.path(),
                                        FormServices{&dialogs, &date, &sound, [this] { ++terminations; }});
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }

    QString path(const QString &relative) const { return appDir.filePath(relative); }

    void writeBank(const QString &stem, const QStringList &questions, const QStringList &answers)
    {
        TextFile::writeLines(path("data/" + stem + ".tm"), questions);
        TextFile::writeLines(path("data/" + stem + ".da"), answers);
    }

    // An item picked from a selection box's list.
    static void pick(TFlatComboBox *box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    static void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Visibility of FlatPanel1, FlatPanel2, FlatPanel3, FlatPanel4, FlatPanel5, Panel1.
    using View = QList<bool>;
    static inline const View kStart{true, true, false, false, false, false};
    static inline const View kTraining{false, false, false, false, false, true};
    static View view(const TForm1 &f)
    {
        return {f.FlatPanel1->isVisible(), f.FlatPanel2->isVisible(), f.FlatPanel3->isVisible(),
                f.FlatPanel4->isVisible(), f.FlatPanel5->isVisible(), f.Panel1->isVisible()};
    }
};
