#include "widgets/flat/TFlatPanelUnit.h"

TFlatPanel::TFlatPanel(QWidget *parent)
    : QFrame(parent)
{
    setAutoFillBackground(true); // panels are opaque
}
