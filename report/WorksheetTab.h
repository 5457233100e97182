#pragma once

#include "platform/UserDialogs.h"
#include "report/WorksheetPages.h"
#include "training/ProgramFolders.h"

#include <QPrinter>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPushButton;
class QSpinBox;

// The 口算题卡 tab: a sheet from a range, the ticked mistakes or a class's
// most-missed, previewed as
// it prints, printed or exported as PDF. The code field remakes a sheet.
class WorksheetTab : public QWidget
{
    Q_OBJECT

public:
    WorksheetTab(ProgramFolders folders, std::function<QList<Mistake>()> tickedMistakes, UserDialogs *dialogs,
                 QWidget *parent = nullptr);

    const Sheet &sheet() const { return m_sheet; }
    const SheetRecipe &recipe() const { return m_recipe; }
    QComboBox *sourceBox() const { return m_source; }
    QSpinBox *countBox() const { return m_count; }
    QSpinBox *columnsBox() const { return m_columns; }
    QLineEdit *titleEdit() const { return m_title; }
    QLineEdit *codeEdit() const { return m_code; }
    QPushButton *newSheetButton() const { return m_newSheet; }
    QPushButton *pdfButton() const { return m_pdf; }
    QPushButton *printButton() const { return m_print; }

    // The class's most-missed, a source of its own once a class is open.
    void setClassQuestions(const QList<SheetQuestion> &questions);
    // Draws the sheet again from the controls and the source as it is now.
    void remake();
    // A new code: "换一组".
    void drawNew();
    // Takes a code typed in the code field; false leaves the sheet as it was.
    bool takeCode(const QString &code);
    // Throws NumoraError.
    void writePdf(const QString &path) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void exportPdf();
    void print();
    // The source's questions, read again when the source changed, for a new
    // sheet, and always for the ticks of the mistakes.
    const QList<SheetQuestion> &pool();

    ProgramFolders m_folders;
    QList<SheetQuestion> m_classQuestions;
    std::function<QList<Mistake>()> m_tickedMistakes;
    UserDialogs *m_dialogs;
    SheetRecipe m_recipe;
    QList<SheetQuestion> m_pool;
    std::optional<int> m_poolSource;
    Sheet m_sheet;
    QPrinter m_printer;
    QComboBox *m_source;
    QSpinBox *m_count;
    QSpinBox *m_columns;
    QLineEdit *m_title;
    QLineEdit *m_code;
    QLabel *m_problem;
    QPrintPreviewWidget *m_preview;
    bool m_previewStale = true; // painted when the tab is seen, not at start-up
    QPushButton *m_newSheet;
    QPushButton *m_print;
    QPushButton *m_pdf;
};
