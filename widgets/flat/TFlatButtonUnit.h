#pragma once

#include "widgets/WidgetColors.h"
#include "widgets/flat/FlatUtilitys.h"

#include <QAbstractButton>
#include <QImage>

enum class FlatButtonState { Up, Disabled, Down, Exclusive };

// The glyph cell (from 0) a state shows for a glyph of numGlyphs cells.
int glyphCell(int numGlyphs, FlatButtonState state);
// NumGlyphs after a glyph of this size is set.
int numGlyphsFor(QSize glyph, int current);

// The state a button draws: its stored state made to agree with Enabled.
FlatButtonState effectiveFlatState(FlatButtonState stored, bool enabled, bool down, int groupIndex);

// What a flat button's face shows in a state: which colour fills it and how
// its edge is drawn.
struct FlatButtonLook
{
    enum class Fill { Face, Focused, Down };
    enum class Edge { Border, DefaultBorder, Raised, Sunken };
    Fill fill = Fill::Face;
    Edge edge = Edge::Border;
    bool pressed = false; // the glyph and caption move down and right
};
FlatButtonLook flatButtonLook(FlatButtonState state, bool hovered, bool isDefault);

// A push button drawn by itself: a flat face that turns into a raised bevel
// under the pointer and a sunken one while pressed, an optional glyph of up
// to four cells, grouping of latching buttons, and a double border when
// Default. Clicks come from its own mouse, Space and accelerator paths.
class TFlatButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(TTransparentMode TransparentMode READ TransparentMode WRITE setTransparentMode)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE setAllowAllUp)
    Q_PROPERTY(TColor ColorFocused READ ColorFocused WRITE setColorFocused)
    Q_PROPERTY(TColor ColorDown READ ColorDown WRITE setColorDown)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(TColor ColorHighLight READ ColorHighLight WRITE setColorHighLight)
    Q_PROPERTY(TColor ColorShadow READ ColorShadow WRITE setColorShadow)
    Q_PROPERTY(int AdvColorFocused READ AdvColorFocused WRITE setAdvColorFocused)
    Q_PROPERTY(int AdvColorDown READ AdvColorDown WRITE setAdvColorDown)
    Q_PROPERTY(int AdvColorBorder READ AdvColorBorder WRITE setAdvColorBorder)
    Q_PROPERTY(bool UseAdvColors READ UseAdvColors WRITE setUseAdvColors)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool Down READ Down WRITE setDown)
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(TButtonLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(int Margin READ Margin WRITE setMargin)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)

public:
    explicit TFlatButton(QWidget *parent = nullptr);
    ~TFlatButton() override;

    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void setTransparentMode(TTransparentMode mode) { if (storeChanged(m_transparentMode, mode)) update(); }
    bool Default() const { return m_default; }
    void setDefault(bool isDefault) { if (storeChanged(m_default, isDefault)) update(); }
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool allow);
    TColor ColorFocused() const { return m_colorFocused; }
    void setColorFocused(TColor colour) { if (storeChanged(m_colorFocused, colour)) update(); }
    TColor ColorDown() const { return m_colorDown; }
    void setColorDown(TColor colour) { if (storeChanged(m_colorDown, colour)) update(); }
    TColor ColorBorder() const { return m_colorBorder; }
    void setColorBorder(TColor colour) { if (storeChanged(m_colorBorder, colour)) update(); }
    TColor ColorHighLight() const { return m_colorHighLight; }
    void setColorHighLight(TColor colour) { if (storeChanged(m_colorHighLight, colour)) update(); }
    TColor ColorShadow() const { return m_colorShadow; }
    void setColorShadow(TColor colour) { if (storeChanged(m_colorShadow, colour)) update(); }
    int AdvColorFocused() const { return m_advColorFocused; }
    void setAdvColorFocused(int percent) { if (storeChanged(m_advColorFocused, percent)) update(); }
    int AdvColorDown() const { return m_advColorDown; }
    void setAdvColorDown(int percent) { if (storeChanged(m_advColorDown, percent)) update(); }
    int AdvColorBorder() const { return m_advColorBorder; }
    void setAdvColorBorder(int percent) { if (storeChanged(m_advColorBorder, percent)) update(); }
    bool UseAdvColors() const { return m_useAdvColors; }
    void setUseAdvColors(bool use);
    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index);
    bool Down() const { return m_down; }
    void setDown(bool down);
    QImage Glyph() const { return m_glyph; }
    void setGlyph(const QImage &glyph);
    TButtonLayout Layout() const { return m_layout; }
    void setLayout(TButtonLayout layout) { if (storeChanged(m_layout, layout)) update(); }
    int Margin() const { return m_margin; }
    void setMargin(int margin);
    int NumGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count) { if (storeChanged(m_numGlyphs, qBound(1, count, 4))) update(); }
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing) { if (storeChanged(m_spacing, spacing)) update(); }
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    FlatButtonState state() const { return m_state; }
    bool hovered() const { return m_hovered; }
    QImage compose() const;
    QSize sizeHint() const override { return QSize(25, 25); }

signals:
    void doubleClicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend struct HoverWatch;
    void clickOnce();
    void leave();
    void updateTracking();
    void broadcastGroup();
    bool pointerOverMe() const;

    TTransparentMode m_transparentMode = TTransparentMode::tmNone;
    bool m_default = false;
    bool m_allowAllUp = false;
    TColor m_colorFocused = kFlatFill;
    TColor m_colorDown = kFlatPressed;
    TColor m_colorBorder = kFlatBorder;
    TColor m_colorHighLight = clWhite;
    TColor m_colorShadow = clBlack;
    int m_advColorFocused = 10;
    int m_advColorDown = 10;
    int m_advColorBorder = 50;
    bool m_useAdvColors = false;
    int m_groupIndex = 0;
    bool m_down = false;
    QImage m_glyph;
    TButtonLayout m_layout = TButtonLayout::blGlyphTop;
    int m_margin = -1;
    int m_numGlyphs = 1;
    int m_spacing = 4;
    int m_modalResult = 0;

    FlatButtonState m_state = FlatButtonState::Up;
    bool m_hovered = false;
    bool m_pressing = false;
};
